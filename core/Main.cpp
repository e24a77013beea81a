#include "core/Main.h"

#include "core/Catalogue.h"
#include "core/Folders.h"
#include "core/LessonPack.h"
#include "core/MkMain.h"

void Main(MkMain& mk) {
    if (!FixFolders(mk)) return;
    if (!LoadCatalogueAndKeys(mk)) return;
    mk.LessonPackVersion = MkMain::kLessonPackVersion;
    UnpackLessonPack(mk);
    mk.windows.Show(QStringLiteral("StartUp"));
}

// Developer entry, not part of the product: opens one catalogue lesson in the
// large lesson window, as the lesson menu will. "Menu" ends the preview.
//   mk_lesson_preview LESSON_INDEX
#include "core/Catalogue.h"
#include "core/Folders.h"
#include "core/LessonPack.h"
#include "core/MkMain.h"
#include "core/SystemPorts.h"
#include "engine/Marokey.h"
#include "logon/Num_Lock.h"
#include "ui/QtMessagePort.h"
#include "ui/WindowHost.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace {

// Stands in for the lesson menu: showing it ends the preview.
class EndOnShow final : public Window {
public:
    explicit EndOnShow(MkMain& mk) : Window(mk, QStringLiteral("Menu")) {}
    void Form_Activate() override { mk.windows.End(0); }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("IPAexGothic"));
    font.setPixelSize(12);
    app.setFont(font);

    WindowHost* host = nullptr;
    QtMessagePort messages([&host] {
        if (host) host->syncAll();
    });
    SystemClock clock;
    UniformRandom random;
    QtBeep beep;
    MkMain mk(Ports{messages, clock, random, beep}, QApplication::applicationDirPath() + u'/');
    mk.windows.add(QStringLiteral("Marokey"), [](MkMain& m) { return std::make_unique<Marokey>(m); });
    mk.windows.add(QStringLiteral("Menu"), [](MkMain& m) { return std::make_unique<EndOnShow>(m); });
    mk.windows.add(QStringLiteral("Num_Lock"), [](MkMain& m) { return std::make_unique<Num_Lock>(m); });
    WindowHost windowHost(mk.windows);
    host = &windowHost;

    if (!FixFolders(mk) || !LoadCatalogueAndKeys(mk)) return 1;
    mk.LessonPackVersion = MkMain::kLessonPackVersion;
    UnpackLessonPack(mk);
    mk.CurrentLesson = static_cast<qint16>(argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0);
    mk.UserName = QStringLiteral("山田　花子");
    mk.Grade = 4;
    mk.ClassNo = 2;
    mk.PupilNo = 15;
    mk.windows.Show(QStringLiteral("Marokey"));
    if (mk.windows.ended()) return mk.windows.exitStatus();
    return app.exec();
}

#include "logon/Num_Lock.h"

#include "core/Keys.h"
#include "core/MkMain.h"

Num_Lock::Num_Lock(MkMain& mk)
    : Window(mk, kName.toString()),
      Label1(makeLabel(QStringLiteral("Label1"),
                       QStringLiteral("NumLockが押されました。  テンキーが使用できません。 "
                                      "もう一度NumLockを押して、NumLockをONにして下さい。"),
                       {240, 240, 4560, 1440}, 14)) {
    caption = QStringLiteral("NumLock");
    geometry = {0, 0, 5040, 1920};
    backColor = 0xC0FFFF; // a pale yellow that stands out over the lesson
    Label1.wordWrap = true;
    Label1.accessibleName = QStringLiteral("NumLock");
    add(Label1);
}

void Num_Lock::Form_KeyUp(int keyCode, int) {
    if (keyCode != keys::kNumLock) return;
    mk.NumLockShown = 0;
    mk.windows.Unload(name());
}

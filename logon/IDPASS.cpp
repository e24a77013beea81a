#include "logon/IDPASS.h"

#include "core/Cp932.h"
#include "core/Keys.h"
#include "core/MkMain.h"
#include "logon/Credentials.h"
#include "logon/LogOn.h"

IDPASS::IDPASS(MkMain& mk)
    : Window(mk, kName.toString()),
      Label3(makeLabel(QStringLiteral("Label3"), QStringLiteral("確認入力"), {240, 120, 3600, 420},
                       14)),
      Label1(makeLabel(QStringLiteral("Label1"), QStringLiteral("ユーザＩＤ"),
                       {240, 720, 1320, 345}, 11)),
      Text1(makeTextBox(QStringLiteral("Text1"), QStringLiteral("ユーザＩＤ"),
                        {1560, 660, 2520, 405})),
      Label2(makeLabel(QStringLiteral("Label2"), QStringLiteral("パスワード"),
                       {240, 1200, 1320, 345}, 11)),
      Text2(makeTextBox(QStringLiteral("Text2"), QStringLiteral("パスワード"),
                        {1560, 1140, 2520, 405})),
      Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("OK"), {1560, 1740, 1200, 435},
                          10)),
      Command2(makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"),
                          {2880, 1740, 1200, 435}, 10)) {
    caption = QStringLiteral("確認入力");
    geometry = {0, 0, 4320, 2460};
    Label3.bold = true;
    Text2.password = true;
    Text1.imeMode = ImeMode::Off;
    Text2.imeMode = ImeMode::Off;
    for (Control* c : {&Label3, &Label1, &Text1, &Label2, &Text2, &Command1, &Command2})
        add(*c);
}

void IDPASS::Click(Control& c) {
    if (&c == &Command1) Command1_Click();
    if (&c == &Command2) mk.windows.Unload(name());
}

void IDPASS::KeyPress(Control& c, int& keyAscii) {
    if (keyAscii != keys::kEnter) return;
    if (&c == &Text1) SetFocus(Text2);
    if (&c == &Text2) SetFocus(Command1);
}

void IDPASS::Command1_Click() {
    auto* logOn = mk.windows.get<LogOn>(QStringLiteral("LogOn"));
    if (!logOn) return mk.windows.Unload(name());
    const QString id = cp932::foldLookAlikes(Text1.caption);
    const QString password = cp932::foldLookAlikes(Text2.caption);
    const bool idDiffers = id != cp932::foldLookAlikes(logOn->Text1.caption);
    const bool passwordDiffers = password != cp932::foldLookAlikes(logOn->Text2.caption);
    if (idDiffers || passwordDiffers) {
        mk.ShowMessageText(credentials::mismatchMessage(idDiffers, passwordDiffers));
        return mk.windows.Unload(name());
    }
    const auto written = credentials::writeAdminFile(mk.DefaultDataFolder, {id, password});
    if (!written) {
        mk.ShowMessageText(
            QStringLiteral("Admin.MKに書き込めませんでした。\rLockできませんでした。"));
        return mk.windows.Unload(name());
    }
    // A fresh load of the log-on window reads the new lock.
    mk.windows.Unload(QStringLiteral("LogOn"));
    mk.windows.Show(QStringLiteral("LogOn"));
    mk.windows.Unload(name());
}

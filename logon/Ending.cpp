#include "logon/Ending.h"

#include "core/Keys.h"
#include "core/Messages.h"
#include "core/MkMain.h"
#include "logon/HistoryFile.h"

#include <QDir>

Ending::Ending(MkMain& mk)
    : Window(mk, kName.toString()),
      L1(makeLabel(QStringLiteral("L1"), QStringLiteral("個人履歴ファイルの処理中です。"),
                   {480, 1800, 6240, 480}, 14)),
      L2(makeLabel(QStringLiteral("L2"), QStringLiteral("しばらくお待ちください。・・・"),
                   {480, 2400, 6240, 480}, 14)),
      L3(makeLabel(QStringLiteral("L3"), {}, {480, 3000, 6240, 720}, 28)),
      Title(
          makeLabel(QStringLiteral("Title"), QStringLiteral("Marokey"), {480, 360, 6240, 900}, 32)),
      Version(
          makeLabel(QStringLiteral("Version"), QStringLiteral("2.1"), {5760, 1260, 960, 360}, 11)),
      MMControl3(mk, QStringLiteral("MK_Ending.mid"), [this] { MMControl3_StatusUpdate(); }) {
    caption = QStringLiteral("Marokey");
    geometry = {0, 0, 7200, 4200};
    backColor = kStartColor;
    Title.bold = true;
    L3.bold = true;
    for (Control* c : {&L1, &L2, &L3, &Title, &Version})
        c->foreColor = colors::kWhite;
    for (Control* c : {&L1, &L2, &L3, &Title})
        c->alignment = Alignment::Center;
    Version.alignment = Alignment::Right;
    for (Control* c : {&Title, &Version, &L1, &L2, &L3})
        add(*c);
}

void Ending::Form_Load() {
    mk.windows.Unload(QStringLiteral("Menu"));
    FarewellTicks = 0;
    if (!SaveHistoryFile(mk)) return emergencyCopy();
    MMControl3.start();
}

void Ending::emergencyCopy() {
    const QString folder = mk.EmergencyFolder;
    mk.ShowMessageText(
        QStringLiteral("ネットワークが有効ではないかハードディスクが壊れています。\r") +
        // The folder as a person reads it: no trailing separator before "に".
        QDir::toNativeSeparators(QDir::cleanPath(folder)) +
        QStringLiteral("に個人履歴ファイルを作成し強制終了します。\r"
                       "問題解決後、個人履歴ファイルを移動させてください。"));
    if (!QDir().mkpath(folder) || !SaveEmergencyCopy(mk))
        mk.ShowMessageText(QStringLiteral("個人履歴ファイル作成に失敗しました。") +
                           messages::kForcedEnd);
    mk.windows.End(1);
}

void Ending::MMControl3_StatusUpdate() {
    if (FarewellTicks > 3) {
        for (Control* c : {&L1, &L2})
            c->fontSize = 10;
        L1.caption = QStringLiteral("個人履歴ファイル処理が終了しました。");
        L2.caption = QStringLiteral("ＥＳＣキーを押すとＭＫを終了します。");
    }
    if (FarewellTicks < 31) {
        ++FarewellTicks;
        backColor += 0x404;
        return;
    }
    L1.caption.clear();
    L2.caption.clear();
    L3.caption = QStringLiteral("Good-Bye!!");
    ++FarewellTicks;
    if (FarewellTicks > 52) {
        MMControl3.close();
        mk.windows.End(0);
    }
}

void Ending::Form_KeyPress(int& keyAscii) {
    if (FarewellTicks > 3 && keyAscii == keys::kEsc) FarewellTicks = 53;
}

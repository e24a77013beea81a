#include "logon/LogOn.h"

#include "core/Cp932.h"
#include "core/Keys.h"
#include "core/Messages.h"
#include "core/MkMain.h"
#include "core/WholeFile.h"
#include "logon/HistoryFile.h"

#include <QFileInfo>

LogOn::LogOn(MkMain& mk)
    : Window(mk, kName.toString()),
      Label3(makeLabel(QStringLiteral("Label3"), QStringLiteral("MK LogOn"), {240, 120, 4320, 480},
                       18)),
      Label1(makeLabel(QStringLiteral("Label1"), QStringLiteral("ユーザＩＤ"),
                       {240, 780, 1440, 345}, 11)),
      Text1(makeTextBox(QStringLiteral("Text1"), QStringLiteral("ユーザＩＤ"),
                        {1680, 720, 2880, 405})),
      Label2(makeLabel(QStringLiteral("Label2"), QStringLiteral("パスワード"),
                       {240, 1260, 1440, 345}, 11)),
      Text2(makeTextBox(QStringLiteral("Text2"), QStringLiteral("パスワード"),
                        {1680, 1200, 2880, 405})),
      OK(makeButton(QStringLiteral("OK"), QStringLiteral("OK"), {1680, 1740, 1380, 435}, 10)),
      Cancel(makeButton(QStringLiteral("Cancel"), QStringLiteral("Cancel"), {3180, 1740, 1380, 435},
                        10)),
      EndMK(makeButton(QStringLiteral("EndMK"), QStringLiteral("Marokeyの終了"),
                       {240, 2400, 2100, 435})),
      LSLock(makeButton(QStringLiteral("LSLock"), QStringLiteral("ファイリング処理のLock"),
                        {2460, 2400, 2100, 435}, 8)),
      LSUnLock(makeButton(QStringLiteral("LSUnLock"), QStringLiteral("ファイリング処理のUnLock"),
                          {2460, 2400, 2100, 435}, 8)),
      L1(makeButton(QStringLiteral("L1"), QStringLiteral("Lessonファイル作成"),
                    {240, 3000, 4320, 435})),
      S1(makeButton(QStringLiteral("S1"), QStringLiteral("成績ＣＳＶファイル作成"),
                    {240, 3480, 4320, 435})),
      FS(makeButton(QStringLiteral("FS"), QStringLiteral("ファイリング処理"),
                    {240, 3960, 4320, 435})) {
    caption = QStringLiteral("MK LogOn");
    geometry = {0, 0, 4800, kUnlockedHeight};
    Label3.bold = true;
    Text2.password = true;
    Text1.imeMode = ImeMode::Off;
    Text2.imeMode = ImeMode::Off;
    // The unlock button is added after the lock button so that it lies on top of it.
    for (Control* c : {&Label3, &Label1, &Text1, &Label2, &Text2, &OK, &Cancel, &EndMK, &LSLock,
                       &LSUnLock, &L1, &S1, &FS})
        add(*c);
}

void LogOn::Form_Load() {
    if (!ReadAdminFile()) return;
    layOut(!(admin == credentials::kUnlocked));
    // A teacher tool not yet in this build stays greyed out rather than doing nothing.
    FS.enabled = mk.windows.knows(QStringLiteral("FileTool"));
    S1.enabled = mk.windows.knows(QStringLiteral("Renomix"));
    L1.enabled = mk.windows.knows(QStringLiteral("AddLesson"));
    SetFocus(Text1);
}

bool LogOn::ReadAdminFile() {
    const auto pair =
        credentials::readAdminFile(mk.DefaultDataFolder + credentials::kAdminFileName);
    if (!pair) {
        mk.ShowMessageText(messages::brokenFile(credentials::kAdminFileName));
        mk.windows.End(1);
        return false;
    }
    admin = pair.value();
    return true;
}

void LogOn::layOut(bool locked) {
    mk.AdminLocked = locked ? MkMain::True : MkMain::False;
    geometry.height = locked ? kLockedHeight : kUnlockedHeight;
    for (Control* c : {&FS, &S1, &L1})
        c->visible = !locked;
    LSLock.visible = true;
    LSUnLock.visible = locked;
}

void LogOn::Click(Control& c) {
    if (&c == &OK) OK_Click();
    if (&c == &Cancel) Cancel_Click();
    if (&c == &EndMK) EndMK_Click();
    if (&c == &LSLock) LSLock_Click();
    if (&c == &LSUnLock) LSUnLock_Click();
    if (&c == &FS) mk.windows.Show(QStringLiteral("FileTool"), true);
    if (&c == &S1) mk.windows.Show(QStringLiteral("Renomix"), true);
    // The authoring window ends only by its own buttons.
    if (&c == &L1) mk.windows.Show(QStringLiteral("AddLesson"), true);
}

void LogOn::KeyPress(Control& c, int& keyAscii) {
    if (keyAscii != keys::kEnter) return;
    if (&c == &Text1) SetFocus(Text2);
    if (&c == &Text2) SetFocus(OK);
}

void LogOn::Cancel_Click() {
    Text1.caption.clear();
    Text2.caption.clear();
    SetFocus(Text1);
}

void LogOn::EndMK_Click() {
    mk.windows.End(0);
}

bool LogOn::refused(const std::optional<QString>& problem) {
    if (!problem) return false;
    mk.ShowMessageText(*problem);
    return true;
}

void LogOn::networkFailure() {
    mk.ShowMessageText(QStringLiteral("ネットワークドライブが有効ではありません。\r"
                                      "ネットワークにログオンしなおしてください。\r") +
                       messages::kForcedEnd);
    mk.windows.End(1);
}

void LogOn::OK_Click() {
    const QString id = cp932::foldLookAlikes(Text1.caption);
    const QString password = cp932::foldLookAlikes(Text2.caption);
    // An ID that cannot name a file, or a value its field cannot hold, goes no further.
    if (refused(credentials::userIdProblem(id)) ||
        refused(credentials::fieldProblem(password, QStringLiteral("パスワード"), true)))
        return;
    mk.MessageText = QStringLiteral("データは正しいですか？");
    if (mk.ShowMessage(1) != MessageAnswer::Yes) {
        Text1.caption.clear();
        Text2.caption.clear();
        return;
    }
    if (!QFileInfo(mk.DataFolder).isDir()) return networkFailure();
    const QString path = findHistoryFile(mk.DataFolder, id);
    if (path.isEmpty()) {
        // A new pupil starts from nothing, whoever was tried before.
        takeRecord(mk, HistoryRecord{});
        mk.UserID = id;
        mk.UserPassword = password;
        mk.HistoryPath = newHistoryPath(mk.DataFolder, id);
        mk.ShowMessageText(QStringLiteral("個人履歴ファイルが存在しないか壊れています。"
                                          "新しく個人履歴ファイルを作成します。"));
        mk.windows.Show(QStringLiteral("SetUp"));
        return;
    }
    // A link that leads out of the history folder is as unusable as a short file.
    if (QFileInfo(path).size() < HistoryRecord::kSize ||
        !wholefile::liesInside(mk.DataFolder, path)) {
        mk.ShowMessageText(QStringLiteral("個人履歴ファイルが壊れています。\r"
                                          "先生に知らせてください。"));
        return;
    }
    if (!LoadHistoryFile(mk, path)) return networkFailure();
    mk.HistoryPath = path;
    if (password != mk.UserPassword) {
        mk.ShowMessageText(QStringLiteral("パスワードが間違っています。"));
        Text2.caption.clear();
        SetFocus(Text2);
        return;
    }
    welcome();
    mk.windows.Show(QStringLiteral("Menu"));
}

void LogOn::welcome() {
    const QString gap = QStringLiteral("\r\r");
    mk.ShowMessageText(QStringLiteral("ユーザー名　：　") + mk.UserID + gap +
                       QStringLiteral("学　　　年　：　") + QString::number(mk.Grade) + gap +
                       QStringLiteral("学　　　級　：　") + QString::number(mk.ClassNo) + gap +
                       QStringLiteral("番　　　号　：　") + QString::number(mk.PupilNo) + gap +
                       QStringLiteral("氏　　　名　：　") + mk.UserName + gap +
                       QStringLiteral("マロキーにようこそ！"));
}

bool LogOn::entryCheck() {
    const bool noId = Text1.caption.isEmpty();
    const bool noPassword = Text2.caption.isEmpty();
    if (noId && noPassword)
        mk.ShowMessageText(QStringLiteral("ユーザＩＤとパスワードが入力されていません"));
    else if (noId)
        mk.ShowMessageText(QStringLiteral("ユーザＩＤが入力されていません"));
    else if (noPassword)
        mk.ShowMessageText(QStringLiteral("パスワードが入力されていません"));
    return !noId && !noPassword;
}

void LogOn::LSLock_Click() {
    if (!entryCheck()) return;
    // A cut or garbled admin ID could never be typed again to unlock.
    if (refused(credentials::fieldProblem(cp932::foldLookAlikes(Text1.caption),
                                          QStringLiteral("ユーザＩＤ"), false)) ||
        refused(credentials::fieldProblem(cp932::foldLookAlikes(Text2.caption),
                                          QStringLiteral("パスワード"), false)))
        return;
    mk.windows.Show(QStringLiteral("IDPASS"));
}

void LogOn::LSUnLock_Click() {
    if (!entryCheck()) return;
    const bool idDiffers = cp932::foldLookAlikes(Text1.caption) != admin.id;
    const bool passwordDiffers = cp932::foldLookAlikes(Text2.caption) != admin.password;
    if (idDiffers || passwordDiffers) {
        mk.ShowMessageText(credentials::mismatchMessage(idDiffers, passwordDiffers));
        return;
    }
    if (!credentials::writeAdminFile(mk.DefaultDataFolder, credentials::kUnlocked)) {
        mk.ShowMessageText(
            QStringLiteral("Admin.MKに書き込めませんでした。\rLockはそのままです。"));
        return;
    }
    admin = credentials::kUnlocked;
    mk.ShowMessageText(QStringLiteral("ファイリング処理を利用可能です！"));
    layOut(false);
}

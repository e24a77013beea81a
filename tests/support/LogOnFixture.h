#pragma once

#include "logon/Credentials.h"
#include "logon/Ending.h"
#include "logon/HistoryFile.h"
#include "logon/IDPASS.h"
#include "logon/LogOn.h"
#include "logon/Num_Lock.h"
#include "logon/SetUp.h"
#include "logon/StartUp.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"

#include <QBuffer>
#include <QDir>
#include <gtest/gtest.h>

inline Result<HistoryRecord> readHistoryBytes(QByteArray bytes) {
    QBuffer buffer(&bytes);
    return readHistory(buffer);
}

inline const QString kDamagedHistory =
    u"個人履歴ファイルが壊れています。\r先生に知らせてください。"_qs;

// The log-on windows and the ending, headless, on a program folder whose
// "Admin.MK" is unlocked and whose history folder is MKData/, with an
// emergency folder beside it; the menu is a stand-in.
struct LogOnFixture : ::testing::Test {
    ProgramFolder folder;
    TestProgram p{folder.root()};
    WindowRegistry& windows = p.mk.windows;

    LogOnFixture() {
        folder.fillWithMinimalProgram();
        p.mk.DefaultDataFolder = p.mk.DataFolder = folder.data();
        p.mk.EmergencyFolder = folder.root() + u"documents/"_qs;
        setAdmin(credentials::kUnlocked);
        addWindows(windows, {LogOn::kName, IDPASS::kName, ::SetUp::kName, Num_Lock::kName,
                             StartUp::kName, Ending::kName});
        addStandIns(windows, {u"Menu"});
    }
    void setAdmin(const credentials::AdminPair& pair) const {
        folder.write(u"MKData/Admin.MK"_qs, credentials::writeAdmin(pair));
    }
    QByteArray adminFile() const { return folder.read(u"MKData/Admin.MK"_qs); }

    LogOn* logOn() {
        if (!windows.isLoaded(u"LogOn"_qs)) windows.Show(u"LogOn"_qs);
        return windows.get<LogOn>(u"LogOn"_qs);
    }
    // Fills the log-on boxes and clicks a button, as the window layer would.
    void click(Control LogOn::*button, const QString& id, const QString& password) {
        LogOn* w = logOn();
        w->Text1.caption = id;
        w->Text2.caption = password;
        windows.dispatch([&] { w->Click(w->*button); });
    }
    // Logs on, answering Yes to "データは正しいですか？".
    void logOnAs(const QString& id, const QString& password) {
        p.messages.answer(MessageAnswer::Yes);
        click(&LogOn::OK, id, password);
    }
    QStringList historyFiles() const { return QDir(folder.data()).entryList(QDir::Files); }
};

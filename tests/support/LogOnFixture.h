#pragma once

#include "logon/Credentials.h"
#include "logon/HistoryFile.h"
#include "logon/IDPASS.h"
#include "logon/LogOn.h"
#include "logon/Num_Lock.h"
#include "logon/SetUp.h"
#include "logon/StartUp.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"

#include <gtest/gtest.h>

// The log-on windows, headless, on a program folder whose "Admin.MK" is
// unlocked and whose history folder is MKData/; the menu is a stand-in.
struct LogOnFixture : ::testing::Test {
    ProgramFolder folder;
    TestProgram p{folder.root()};
    WindowRegistry& windows = p.mk.windows;

    LogOnFixture() {
        folder.fillWithMinimalProgram();
        p.mk.DefaultDataFolder = folder.data();
        p.mk.DataFolder = folder.data();
        setAdmin(credentials::kUnlocked);
        addWindows(windows,
                   {LogOn::kName, IDPASS::kName, ::SetUp::kName, Num_Lock::kName, StartUp::kName});
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
};

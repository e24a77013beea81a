#pragma once

#include "core/MkMain.h"
#include "logon/Credentials.h"
#include "logon/HistoryFile.h"
#include "logon/IDPASS.h"
#include "logon/LogOn.h"
#include "logon/Num_Lock.h"
#include "logon/SetUp.h"
#include "logon/StartUp.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"

#include <QDir>
#include <gtest/gtest.h>

// Where the log-on windows lead; only whether it opens matters here.
class MenuStandIn final : public Window {
public:
    explicit MenuStandIn(MkMain& mk) : Window(mk, QStringLiteral("Menu")) {}
};

// The log-on windows, headless, on a program folder whose "Admin.MK" is
// unlocked and whose history folder is MKData/.
struct LogOnProgram {
    ProgramFolder folder;
    TestProgram p{folder.root()};
    WindowRegistry& windows = p.mk.windows;

    LogOnProgram() {
        folder.fillWithMinimalProgram();
        p.mk.DefaultDataFolder = folder.data();
        p.mk.DataFolder = folder.data();
        setAdmin(credentials::kUnlocked);
        add<LogOn>(u"LogOn"_qs);
        add<IDPASS>(u"IDPASS"_qs);
        add<::SetUp>(u"SetUp"_qs);
        add<Num_Lock>(u"Num_Lock"_qs);
        add<StartUp>(u"StartUp"_qs);
        add<MenuStandIn>(u"Menu"_qs);
    }
    template <class W> void add(const QString& name) {
        windows.add(name, [](MkMain& mk) { return std::make_unique<W>(mk); });
    }

    void setAdmin(const credentials::AdminPair& pair) const {
        folder.write(u"MKData/Admin.MK"_qs, credentials::writeAdmin(pair));
    }
    QByteArray adminFile() const { return folder.read(u"MKData/Admin.MK"_qs); }

    // A known pupil in year 3, class 2, number 15, stored as fileName + ".mkd".
    HistoryRecord addPupil(const QString& id, const QString& password, const QString& name,
                           const QString& fileName) const {
        HistoryRecord r{{}, name, id, password, 3, 2, 15};
        r.scores(7, 0) = 88;
        r.scores(1000, 100) = 9;
        folder.write(u"MKData/"_qs + fileName + u".mkd"_qs, writeHistory(r));
        return r;
    }

    LogOn* logOn() {
        if (!windows.isLoaded(u"LogOn"_qs)) windows.Show(u"LogOn"_qs);
        return windows.get<LogOn>(u"LogOn"_qs);
    }
    // Fills the log-on boxes and clicks a button, as the window layer would.
    void click(Control LogOn::*button, const QString& id, const QString& password) {
        LogOn* w = logOn();
        ASSERT_NE(w, nullptr);
        w->Text1.caption = id;
        w->Text2.caption = password;
        windows.dispatch([&] { w->Click(w->*button); });
    }
    // Names in the history folder, to see that nothing was written.
    QStringList historyFolder() const {
        return QDir(folder.data()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }
};

struct LogOnFixture : ::testing::Test, LogOnProgram {};

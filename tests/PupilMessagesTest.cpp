// Refusals and failures name things as the pupil reads them.
#include "logon/Credentials.h"
#include "logon/Ending.h"
#include "support/LogOnFixture.h"

#include <QDir>

TEST(UserIdRefusal, SaysWhyANameWithoutSymbolsCannotBeAFileName) {
    const QString symbols = u"\\ / : * ? \" < > |"_qs;
    for (const QString& reserved : {u"CON"_qs, u"aux"_qs, u"nul.txt"_qs, u"Com1"_qs}) {
        const auto problem = credentials::userIdProblem(reserved);
        ASSERT_TRUE(problem) << reserved.toStdString();
        EXPECT_FALSE(problem->contains(symbols));
        EXPECT_TRUE(problem->contains(u"コンピュータが使う名前"_qs));
    }
    for (const QString& dotted : {u"abc."_qs, u"."_qs, u".."_qs}) {
        const auto problem = credentials::userIdProblem(dotted);
        ASSERT_TRUE(problem) << dotted.toStdString();
        EXPECT_FALSE(problem->contains(symbols));
        EXPECT_TRUE(problem->contains(u"「.」"_qs));
    }
    EXPECT_TRUE(credentials::userIdProblem(u"a/b"_qs)->contains(symbols));
    EXPECT_FALSE(credentials::userIdProblem(u"console"_qs)); // only the whole name is reserved
}

TEST_F(LogOnFixture, TheEmergencyMessageNamesTheFolderWithoutATrailingSeparator) {
    addWindows(windows, {Ending::kName});
    p.mk.DataFolder = folder.root() + u"gone/"_qs;
    p.mk.EmergencyFolder = folder.root() + u"documents/"_qs;
    p.mk.HistoryPath = p.mk.DataFolder + u"hana.mkd"_qs;
    windows.Show(u"Ending"_qs);
    const QString folderName = QDir::toNativeSeparators(folder.root() + u"documents"_qs);
    EXPECT_TRUE(p.messages.shown.value(0).contains(u'\r' + folderName + u"に個人履歴"_qs))
        << p.messages.shown.value(0).toStdString();
    EXPECT_TRUE(folder.exists(u"documents/hana.mkd"_qs));
}

#include "logon/Credentials.h"
#include "support/LogOnFixture.h"

namespace {

const QString kNewPupil =
    u"個人履歴ファイルが存在しないか壊れています。新しく個人履歴ファイルを作成します。"_qs;

// Taro has a history file with one score in it.
struct LogOnWindow : LogOnFixture {
    LogOnWindow() {
        HistoryRecord taro{{}, u"山田　太郎"_qs, u"taro"_qs, u"Pw1"_qs, 3, 2, 15};
        taro.scores(1000, 100) = 9;
        folder.write(u"MKData/taro.mkd"_qs, writeHistory(taro));
    }
};

} // namespace

TEST_F(LogOnWindow, NoToTheQuestionEmptiesBothBoxesAndChangesNothingElse) {
    p.messages.answer(MessageAnswer::No);
    click(&LogOn::OK, u"taro"_qs, u"Pw1"_qs);
    EXPECT_EQ(p.messages.shown, QStringList{u"データは正しいですか？"_qs});
    EXPECT_EQ(logOn()->Text1.caption + logOn()->Text2.caption, QString());
    EXPECT_EQ(p.mk.UserID, QString());
    EXPECT_FALSE(windows.isLoaded(u"SetUp"_qs));
    EXPECT_FALSE(windows.isVisible(u"Menu"_qs));
}

TEST_F(LogOnWindow, TheRightPasswordInAnyLetterCaseOfTheIdWelcomesTheStoredPupil) {
    logOnAs(u"TARO"_qs, u"Pw1"_qs);
    EXPECT_EQ(p.messages.shown.last(),
              u"ユーザー名　：　taro\r\r学　　　年　：　3\r\r学　　　級　：　2\r\r"
              u"番　　　号　：　15\r\r氏　　　名　：　山田　太郎\r\rマロキーにようこそ！"_qs);
    EXPECT_EQ(p.mk.ScoreHistory(1000, 100), 9);
    EXPECT_TRUE(windows.isVisible(u"Menu"_qs));
}

TEST_F(LogOnWindow, AWrongPasswordClearsOnlyItsBoxAndANewIdThenStartsFromNothing) {
    const QStringList files = historyFiles();
    logOnAs(u"taro"_qs, u"pw1"_qs); // letter case counts in passwords
    EXPECT_EQ(p.messages.shown.last(), u"パスワードが間違っています。"_qs);
    EXPECT_EQ(logOn()->Text1.caption, u"taro"_qs);
    EXPECT_EQ(logOn()->Text2.caption, QString());
    EXPECT_EQ(logOn()->takeFocusRequest(), u"Text2"_qs);
    ASSERT_EQ(p.mk.UserName, u"山田　太郎"_qs); // taro's file is in the shared state now
    logOnAs(u"hanako"_qs, u"Pw1"_qs);
    EXPECT_EQ(p.messages.shown.last(), kNewPupil);
    EXPECT_TRUE(windows.isVisible(u"SetUp"_qs));
    EXPECT_FALSE(windows.isLoaded(u"LogOn"_qs));
    EXPECT_EQ(writeHistory(recordOf(p.mk)),
              writeHistory({{}, {}, u"hanako"_qs, u"Pw1"_qs, 0, 0, 0}));
    EXPECT_EQ(historyFiles(), files); // written only when the pupil leaves
}

TEST_F(LogOnWindow, IdsAndPasswordsThatCannotBeStoredAreRefusedBeforeAnyFileIsUsed) {
    // "user ID|password"; Windows opens the device NUL for "nul.txt.mkd" as for "nul.mkd".
    QStringList refused = {u"|pw"_qs,        u"a b|pw"_qs,    u"a/b|pw"_qs, u"..\\x|pw"_qs,
                           u".|pw"_qs,       u"..|pw"_qs,     u"a:b|pw"_qs, u"con|pw"_qs,
                           u"nul.txt|pw"_qs, u"COM1.a|pw"_qs, u"😀|pw"_qs,   u"taro|P w1"_qs,
                           u"taro|😀"_qs};
    refused << QString(31, u'a') + u"|pw"_qs << QString(16, u'漢') + u"|pw"_qs
            << u"taro|"_qs + QString(31, u'p');
    const QStringList files = historyFiles();
    for (const QString& entry : refused) {
        SCOPED_TRACE(entry.toStdString());
        p.messages.shown.clear();
        click(&LogOn::OK, entry.section(u'|', 0, 0), entry.section(u'|', 1));
        EXPECT_EQ(p.messages.shown.size(), 1); // the refusal, not the question
        EXPECT_EQ(p.mk.UserID, QString());
    }
    EXPECT_EQ(historyFiles(), files);
    logOnAs(QString(15, u'漢'), QString(30, u'p')); // the longest that fit
    EXPECT_EQ(p.messages.shown.last(), kNewPupil);
}

TEST_F(LogOnWindow, AHistoryFolderOutOfReachEndsTheProgram) {
    p.mk.DataFolder = folder.root() + u"gone/"_qs;
    logOnAs(u"taro"_qs, u"Pw1"_qs);
    EXPECT_EQ(p.messages.shown.last(), u"ネットワークドライブが有効ではありません。\r"
                                       u"ネットワークにログオンしなおしてください。\r"
                                       u"ＭＫを強制終了します。"_qs);
    EXPECT_TRUE(windows.ended());
    EXPECT_NE(windows.exitStatus(), 0);
}

TEST_F(LogOnWindow, ADamagedHistoryFileIsReportedWithoutEndingTheProgram) {
    folder.write(u"MKData/jiro.mkd"_qs, writeHistory({}).first(101193));
    logOnAs(u"jiro"_qs, u""_qs);
    EXPECT_EQ(p.messages.shown.last(), kDamagedHistory);
    EXPECT_FALSE(windows.ended());
    EXPECT_FALSE(windows.isLoaded(u"SetUp"_qs));
    EXPECT_FALSE(windows.isVisible(u"Menu"_qs));
}

// A refusal names things as the pupil reads them.
TEST(UserIdRefusal, SaysWhyANameWithoutSymbolsCannotBeAFileName) {
    const QString symbols = u"\\ / : * ? \" < > |"_qs;
    const auto saysWhy = [&](const QString& id, const QString& why) {
        SCOPED_TRACE(id.toStdString());
        const auto problem = credentials::userIdProblem(id);
        ASSERT_TRUE(problem);
        EXPECT_FALSE(problem->contains(symbols));
        EXPECT_TRUE(problem->contains(why));
    };
    for (const QString& reserved : {u"CON"_qs, u"aux"_qs, u"nul.txt"_qs, u"Com1"_qs})
        saysWhy(reserved, u"コンピュータが使う名前"_qs);
    for (const QString& dotted : {u"abc."_qs, u"."_qs, u".."_qs})
        saysWhy(dotted, u"「.」"_qs);
    EXPECT_TRUE(credentials::userIdProblem(u"a/b"_qs)->contains(symbols));
    EXPECT_FALSE(credentials::userIdProblem(u"console"_qs)); // only the whole name is reserved
}

#include "support/LogOnFixture.h"

#include <QFileInfo>

namespace {

const QString kQuestion = u"データは正しいですか？"_qs;
const QString kNewPupil =
    u"個人履歴ファイルが存在しないか壊れています。新しく個人履歴ファイルを作成します。"_qs;

struct LogOnWindow : LogOnFixture {
    LogOnWindow() { addPupil(u"taro"_qs, u"Pw1"_qs, u"山田　太郎"_qs, u"taro"_qs); }
    void logOnAs(const QString& id, const QString& password) { click(&LogOn::OK, id, password); }
};

} // namespace

TEST_F(LogOnWindow, NoToTheQuestionEmptiesBothBoxesAndChangesNothingElse) {
    const QStringList files = historyFolder();
    p.messages.answer(MessageAnswer::No);
    logOnAs(u"taro"_qs, u"Pw1"_qs);
    EXPECT_EQ(p.messages.shown, QStringList{kQuestion});
    EXPECT_EQ(logOn()->Text1.caption + logOn()->Text2.caption, QString());
    EXPECT_EQ(p.mk.UserID + p.mk.UserName, QString());
    EXPECT_FALSE(windows.isLoaded(u"SetUp"_qs) || windows.isVisible(u"Menu"_qs));
    EXPECT_EQ(historyFolder(), files);
}

TEST_F(LogOnWindow, TheRightPasswordInAnyLetterCaseOfTheIdWelcomesTheStoredPupil) {
    logOnAs(u"TARO"_qs, u"Pw1"_qs);
    EXPECT_EQ(p.messages.shown.last(),
              u"ユーザー名　：　taro\r\r学　　　年　：　3\r\r学　　　級　：　2\r\r"
              u"番　　　号　：　15\r\r氏　　　名　：　山田　太郎\r\rマロキーにようこそ！"_qs);
    EXPECT_EQ(p.mk.UserID, u"taro"_qs); // the spelling stored, which names the file
    EXPECT_EQ(p.mk.ScoreHistory(1000, 100), 9);
    EXPECT_TRUE(windows.isVisible(u"Menu"_qs));
}

TEST_F(LogOnWindow, AWrongPasswordClearsOnlyItsBoxAndANewIdThenStartsFromNothing) {
    const QStringList files = historyFolder();
    logOnAs(u"taro"_qs, u"pw1"_qs); // letter case counts in passwords
    EXPECT_EQ(p.messages.shown.last(), u"パスワードが間違っています。"_qs);
    EXPECT_EQ(logOn()->Text1.caption, u"taro"_qs);
    EXPECT_EQ(logOn()->Text2.caption, QString());
    EXPECT_EQ(logOn()->takeFocusRequest(), u"Text2"_qs);
    EXPECT_FALSE(windows.isVisible(u"Menu"_qs));
    ASSERT_EQ(p.mk.UserName, u"山田　太郎"_qs); // taro's file is in the shared state now

    logOnAs(u"hanako"_qs, u"Pw1"_qs);
    EXPECT_EQ(p.messages.shown.last(), kNewPupil);
    EXPECT_TRUE(windows.isVisible(u"SetUp"_qs));
    EXPECT_FALSE(windows.isLoaded(u"LogOn"_qs));
    EXPECT_EQ(writeHistory(recordOf(p.mk)),
              writeHistory({{}, {}, u"hanako"_qs, u"Pw1"_qs, 0, 0, 0}));
    EXPECT_EQ(historyFolder(), files); // written only when the pupil leaves
}

TEST_F(LogOnWindow, IdsAndPasswordsThatCannotBeStoredAreRefusedBeforeAnyFileIsUsed) {
    const std::vector<std::pair<QString, QString>> refused = {
        {u""_qs, u"pw"_qs},
        {u"a b"_qs, u"pw"_qs},
        {u"a/b"_qs, u"pw"_qs},
        {u"..\\x"_qs, u"pw"_qs},
        {u"."_qs, u"pw"_qs},
        {u".."_qs, u"pw"_qs},
        {u"con"_qs, u"pw"_qs},
        {u"a:b"_qs, u"pw"_qs},
        {QString(31, u'a'), u"pw"_qs},
        {QString(16, u'漢'), u"pw"_qs},
        {u"😀"_qs, u"pw"_qs},
        {u"taro"_qs, u"P w1"_qs},
        {u"taro"_qs, QString(31, u'p')},
        {u"taro"_qs, u"😀"_qs},
    };
    const QStringList files = historyFolder();
    for (const auto& [id, password] : refused) {
        SCOPED_TRACE(id.toStdString() + " / " + password.toStdString());
        p.messages.shown.clear();
        logOnAs(id, password);
        ASSERT_EQ(p.messages.shown.size(), 1); // the refusal, not the question
        EXPECT_NE(p.messages.shown[0], kQuestion);
        EXPECT_FALSE(windows.isLoaded(u"SetUp"_qs));
        EXPECT_EQ(p.mk.UserID, QString());
    }
    EXPECT_EQ(historyFolder(), files);
    logOnAs(QString(15, u'漢'), QString(30, u'p')); // the longest that fit
    EXPECT_EQ(p.messages.shown.last(), kNewPupil);
}

TEST_F(LogOnWindow, ReservedDeviceNamesAreRefusedWithAnExtensionToo) {
    // Windows opens the device NUL for "nul.txt.mkd" just as for "nul.mkd".
    for (const QString& id : {u"nul.txt"_qs, u"COM1.a"_qs, u"aux.x"_qs}) {
        SCOPED_TRACE(id.toStdString());
        p.messages.shown.clear();
        logOnAs(id, u"pw"_qs);
        EXPECT_FALSE(windows.isLoaded(u"SetUp"_qs));
        EXPECT_FALSE(p.messages.shown.contains(kQuestion));
    }
}

TEST_F(LogOnWindow, AHistoryFolderOutOfReachEndsTheProgramWritingNothing) {
    p.mk.DataFolder = folder.root() + u"gone/"_qs;
    logOnAs(u"taro"_qs, u"Pw1"_qs);
    EXPECT_EQ(p.messages.shown.last(), u"ネットワークドライブが有効ではありません。\r"
                                       u"ネットワークにログオンしなおしてください。\r"
                                       u"ＭＫを強制終了します。"_qs);
    EXPECT_TRUE(windows.ended());
    EXPECT_NE(windows.exitStatus(), 0);
    EXPECT_FALSE(QFileInfo::exists(p.mk.DataFolder));
}

TEST_F(LogOnWindow, ADamagedHistoryFileIsReportedWithoutEndingTheProgram) {
    folder.write(u"MKData/jiro.mkd"_qs, writeHistory({}).first(101193));
    logOnAs(u"jiro"_qs, u""_qs);
    ASSERT_EQ(p.messages.shown.size(), 2);
    EXPECT_NE(p.messages.shown[1], kNewPupil);
    EXPECT_FALSE(windows.ended());
    EXPECT_FALSE(windows.isLoaded(u"SetUp"_qs) || windows.isVisible(u"Menu"_qs));
    EXPECT_EQ(folder.read(u"MKData/jiro.mkd"_qs).size(), 101193);
}

#include "authoring/EnglishLesson.h"

#include "core/Cp932.h"
#include "logon/Menu.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kWords = u"MKLesson/英単語.txt"_qs;
const QString kMeanings = u"MKLesson/英単語意味.txt"_qs;
const QString kMismatch =
    u"英単語の数と意味の数が合いません。\r数を合わせてから再度終了してください。"_qs;
const QString kUpdated = u"正常に更新しました。"_qs;

struct EnglishLessonWindow : ::testing::Test {
    ProgramFolder folder;
    TestProgram p{folder.root()};
    WindowRegistry& windows = p.mk.windows;

    EnglishLessonWindow() {
        p.mk.DefaultLessonFolder = folder.lessons();
        addWindows(windows, {EnglishLesson::kName});
    }
    EnglishLesson* editor() { return windows.get<EnglishLesson>(u"EnglishLesson"_qs); }
    EnglishLesson* open() {
        windows.Show(u"EnglishLesson"_qs);
        return editor();
    }
    // Types both lists, as the boxes hand them over, and presses 終了.
    void saveTyped(const QString& words, const QString& meanings) {
        EnglishLesson* w = open();
        w->Text1.caption = words;
        w->Text2.caption = meanings;
        windows.dispatch([&] { w->Click(w->Command1); });
    }
    bool isOpen() const { return windows.isLoaded(u"EnglishLesson"_qs); }
};

} // namespace

TEST_F(EnglishLessonWindow, OpensWithTheItemsOfBothFilesOneALineOrEmptyWhenAFileIsMissing) {
    folder.writeText(kWords, u"apple\r\n\r\n  dog,\"a, b\"\r\n"_qs);
    EnglishLesson* w = open();
    EXPECT_EQ(w->Text1.caption, u"apple\r\ndog\r\na, b\r\n"_qs);
    EXPECT_EQ(w->Text2.caption, QString());
    EXPECT_EQ(w->Text1.imeMode, ImeMode::Off);
    EXPECT_EQ(w->Text2.imeMode, ImeMode::On);
    EXPECT_TRUE(w->Text1.multiLine && w->Text2.multiLine);
}

TEST_F(EnglishLessonWindow, ThreeWordsAndTwoMeaningsAreSavedAndTheWindowStaysOpen) {
    saveTyped(u"apple\nbook\ncat"_qs, u"りんご\n本"_qs);
    EXPECT_EQ(folder.read(kWords), QByteArray("apple\r\nbook\r\ncat\r\n"));
    EXPECT_EQ(folder.read(kMeanings), QByteArray("\x82\xe8\x82\xf1\x82\xb2\r\n\x96\x7b\r\n"));
    EXPECT_EQ(p.messages.shown, QStringList{kMismatch});
    ASSERT_TRUE(isOpen());
    EXPECT_EQ(editor()->WordCount, 3);
    EXPECT_EQ(editor()->MeaningCount, 2);
}

TEST_F(EnglishLessonWindow, BlankLinesAreSavedButLeaveTheCountAndTheBoxes) {
    saveTyped(u"apple\r\n\r\nbook\r\rcat\n"_qs, u"りんご\n本\nねこ"_qs);
    EXPECT_EQ(folder.read(kWords), QByteArray("apple\r\n\r\nbook\r\n\r\ncat\r\n\r\n"));
    EXPECT_EQ(p.messages.shown, QStringList{kUpdated});
    EXPECT_FALSE(isOpen());

    EnglishLesson* w = open();
    EXPECT_EQ(w->Text1.caption, u"apple\r\nbook\r\ncat\r\n"_qs);
}

TEST_F(EnglishLessonWindow, SavingAnUnchangedListAddsNothing) {
    folder.writeText(kWords, u"apple\r\nbook\r\n"_qs);
    folder.writeText(kMeanings, u"りんご\r\n本\r\n"_qs);
    QByteArray saved;
    for (int round = 0; round < 2; ++round) {
        EnglishLesson* w = open();
        windows.dispatch([&] { w->Click(w->Command1); });
        EXPECT_FALSE(isOpen());
        if (round == 1) {
            EXPECT_EQ(folder.read(kWords), saved);
        }
        saved = folder.read(kWords);
    }
    EXPECT_EQ(open()->Text1.caption, u"apple\r\nbook\r\n"_qs);
    EXPECT_EQ(p.messages.shown, (QStringList{kUpdated, kUpdated}));
}

TEST_F(EnglishLessonWindow, AHalfWidthCommaInAMeaningMakesTwoItemsAndUnbalancesTheCounts) {
    saveTyped(u"apple\nbook"_qs, u"りんご\n本,書籍"_qs);
    EXPECT_EQ(p.messages.shown, QStringList{kMismatch});
    EXPECT_EQ(editor()->MeaningCount, 3);
    EXPECT_EQ(editor()->Text2.caption, u"りんご\r\n本\r\n書籍\r\n"_qs);
}

TEST_F(EnglishLessonWindow, AWordFileThatCannotBeWrittenLeavesBothFilesAndWhatWasTyped) {
    QDir(folder.lessons()).mkdir(u"英単語.txt"_qs); // a folder where the file belongs
    folder.writeText(kMeanings, u"古い\r\n"_qs);
    saveTyped(u"apple\nbook"_qs, u"りんご\n本"_qs);
    EXPECT_EQ(p.messages.shown,
              QStringList{u"英単語.txtに書き込めませんでした。\r入力した内容はそのままです。"_qs});
    ASSERT_TRUE(isOpen());
    EXPECT_EQ(editor()->Text1.caption, u"apple\nbook"_qs);
    EXPECT_EQ(editor()->Text2.caption, u"りんご\n本"_qs);
    EXPECT_EQ(folder.read(kMeanings), cp932::encode(u"古い\r\n"_qs));
}

TEST_F(EnglishLessonWindow, AMeaningFileThatCannotBeWrittenKeepsTheWindowOpen) {
    QDir(folder.lessons()).mkdir(u"英単語意味.txt"_qs);
    saveTyped(u"apple"_qs, u"りんご"_qs);
    EXPECT_EQ(p.messages.shown, QStringList{u"英単語意味.txtに書き込めませんでした。\r"
                                            u"入力した内容はそのままです。"_qs});
    ASSERT_TRUE(isOpen());
    EXPECT_EQ(editor()->Text2.caption, u"りんご"_qs);
}

TEST_F(EnglishLessonWindow, TheMenusUserButtonOpensTheEditor) {
    addWindows(windows, {Menu::kName});
    windows.Show(u"Menu"_qs);
    Menu* menu = windows.get<Menu>(u"Menu"_qs);
    ASSERT_TRUE(menu->Command2.enabled);
    EXPECT_EQ(menu->Command2.caption, u"ユーザ定義"_qs);
    windows.dispatch([&] { menu->Click(menu->Command2); });
    EXPECT_TRUE(isOpen());
}

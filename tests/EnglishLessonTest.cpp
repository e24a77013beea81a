#include "authoring/EnglishLesson.h"

#include "logon/Menu.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"

#include <QDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString kWords = u"MKLesson/英単語.txt"_qs;
const QString kMismatch =
    u"英単語の数と意味の数が合いません。\r数を合わせてから再度終了してください。"_qs;

struct EnglishLessonWindow : ::testing::Test {
    ProgramFolder folder;
    TestProgram p{folder.root()};
    WindowRegistry& windows = p.mk.windows;

    EnglishLessonWindow() {
        p.mk.DefaultLessonFolder = folder.lessons();
        addWindows(windows, {EnglishLesson::kName, Menu::kName});
    }
    EnglishLesson* editor() { return windows.get<EnglishLesson>(u"EnglishLesson"_qs); }
    // Opens the editor, replaces the lists when given, as the boxes hand them over, and presses
    // 終了.
    void save(std::optional<QString> words = {}, std::optional<QString> meanings = {}) {
        windows.Show(u"EnglishLesson"_qs);
        EnglishLesson* w = editor();
        if (words) w->Text1.caption = *words;
        if (meanings) w->Text2.caption = *meanings;
        windows.dispatch([&] { w->Click(w->Command1); });
    }
};

} // namespace

TEST_F(EnglishLessonWindow, ThreeWordsAndTwoMeaningsAreSavedButTheWindowStaysOpen) {
    save(u"apple\nbook\ncat"_qs, u"りんご\n本"_qs);
    EXPECT_EQ(folder.read(kWords), QByteArray("apple\r\nbook\r\ncat\r\n"));
    EXPECT_EQ(folder.read(u"MKLesson/英単語意味.txt"_qs),
              QByteArray("\x82\xe8\x82\xf1\x82\xb2\r\n\x96\x7b\r\n"));
    EXPECT_EQ(p.messages.shown, QStringList{kMismatch});
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->WordCount, 3);
}

TEST_F(EnglishLessonWindow, BlankLinesAreSavedButLeaveTheBoxesAndSavingTheBoxesAgainAddsNothing) {
    save(u"apple\r\n\r\nbook\r\rcat"_qs, u"りんご\n本\nねこ"_qs);
    EXPECT_EQ(folder.read(kWords), QByteArray("apple\r\n\r\nbook\r\n\r\ncat\r\n"));
    EXPECT_EQ(p.messages.shown, QStringList{u"正常に更新しました。"_qs});
    EXPECT_EQ(editor(), nullptr); // closed
    save();                       // as the files fill the boxes
    const QByteArray saved = folder.read(kWords);
    save();
    EXPECT_EQ(folder.read(kWords), saved);
    EXPECT_EQ(p.messages.shown, QStringList(3, u"正常に更新しました。"_qs));
    windows.Show(u"EnglishLesson"_qs);
    EXPECT_EQ(editor()->Text1.caption, u"apple\r\nbook\r\ncat\r\n"_qs);
}

TEST_F(EnglishLessonWindow, AHalfWidthCommaInAMeaningMakesTwoItemsAndUnbalancesTheCounts) {
    save(u"apple\nbook"_qs, u"りんご\n本,書籍"_qs);
    EXPECT_EQ(p.messages.shown, QStringList{kMismatch});
    EXPECT_EQ(editor()->Text2.caption, u"りんご\r\n本\r\n書籍\r\n"_qs);
}

TEST_F(EnglishLessonWindow, AFileThatCannotBeWrittenIsNamedAndWhatWasTypedStays) {
    QDir(folder.lessons()).mkdir(u"英単語.txt"_qs); // a folder where the file belongs
    save(u"apple"_qs, u"りんご"_qs);
    EXPECT_EQ(p.messages.shown,
              QStringList{u"英単語.txtに書き込めませんでした。\r入力した内容はそのままです。"_qs});
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->Text1.caption + editor()->Text2.caption, u"appleりんご"_qs);
    EXPECT_FALSE(folder.exists(u"MKLesson/英単語意味.txt"_qs));
}

TEST_F(EnglishLessonWindow, CharactersTheFilesCannotHoldAreRefusedBeforeAnythingIsSaved) {
    save(u"apple"_qs, u"りんご"_qs);
    save(u"apple\nsmile"_qs, u"りんご\n笑顔😀"_qs);
    EXPECT_TRUE(p.messages.shown.last().startsWith(u"保存できない文字が含まれています。"_qs));
    EXPECT_EQ(folder.read(kWords), QByteArray("apple\r\n"));
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->Text2.caption, u"りんご\n笑顔😀"_qs);
    save(u"wave"_qs, u"波\u301C"_qs); // a look-alike the input method types is fine
    EXPECT_EQ(p.messages.shown.last(), u"正常に更新しました。"_qs);
}

TEST_F(EnglishLessonWindow, TheMenusUserButtonOpensIt) {
    windows.Show(u"Menu"_qs);
    Menu* menu = windows.get<Menu>(u"Menu"_qs);
    ASSERT_TRUE(menu->Command2.enabled);
    windows.dispatch([&] { menu->Click(menu->Command2); });
    EXPECT_NE(editor(), nullptr);
}

#include "logon/Ending.h"

#include "logon/HistoryFile.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct EndingWindow : ::testing::Test {
    ProgramFolder folder;
    TestProgram p{folder.root()};
    WindowRegistry& windows = p.mk.windows;

    EndingWindow() {
        windows.add(u"Ending"_qs, [](MkMain& m) { return std::make_unique<Ending>(m); });
        p.mk.DefaultDataFolder = folder.data();
        p.mk.DataFolder = folder.data();
        p.mk.EmergencyFolder = folder.root() + u"documents/"_qs;
        p.mk.UserID = u"hana"_qs;
        p.mk.UserPassword = u"pw"_qs;
        p.mk.UserName = u"花子"_qs;
        p.mk.Grade = 3;
        p.mk.ScoreHistory(4, 0) = 77;
    }
    Ending* ending() { return windows.get<Ending>(u"Ending"_qs); }
    // One status report of the music; false once the program has ended.
    bool report() {
        if (windows.ended()) return false;
        windows.dispatch([&] { ending()->MMControl3_StatusUpdate(); });
        return !windows.ended();
    }
    void esc() {
        int key = 27;
        windows.dispatch([&] { ending()->Form_KeyPress(key); });
    }
};

} // namespace

TEST_F(EndingWindow, WritesTheHistoryThenEndsWithThe53rdReport) {
    windows.Show(u"Ending"_qs);
    const auto saved = readHistory(*std::make_unique<QFile>(folder.data() + u"hana.mkd"_qs));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved.value().scores(4, 0), 77);
    EXPECT_EQ(saved.value().name, u"花子"_qs);
    EXPECT_EQ(p.media.log, (QStringList{u"open MK_Ending.mid"_qs, u"play"_qs}));

    for (int n = 1; n <= 4; ++n)
        ASSERT_TRUE(report());
    EXPECT_EQ(ending()->L1.caption, u"個人履歴ファイルの処理中です。"_qs);
    ASSERT_TRUE(report()); // the 5th
    EXPECT_EQ(ending()->L1.caption, u"個人履歴ファイル処理が終了しました。"_qs);
    EXPECT_EQ(ending()->L2.caption, u"ＥＳＣキーを押すとＭＫを終了します。"_qs);
    EXPECT_EQ(ending()->L1.fontSize, 10);
    for (int n = 6; n <= 31; ++n)
        ASSERT_TRUE(report());
    EXPECT_EQ(ending()->backColor, Ending::kStartColor + 31u * 0x404u); // (124, 252, 128)
    EXPECT_TRUE(ending()->L3.caption.isEmpty());
    ASSERT_TRUE(report()); // the 32nd
    EXPECT_EQ(ending()->L3.caption, u"Good-Bye!!"_qs);
    EXPECT_TRUE(ending()->L1.caption.isEmpty());
    for (int n = 33; n <= 52; ++n)
        ASSERT_TRUE(report()) << n;
    EXPECT_FALSE(report()); // the 53rd
    EXPECT_EQ(windows.exitStatus(), 0);
    EXPECT_EQ(p.media.log.last(), u"close"_qs);
}

TEST_F(EndingWindow, EscCountsOnlyOnceTheCompletionTextsAreUp) {
    windows.Show(u"Ending"_qs);
    for (int n = 1; n <= 3; ++n)
        report();
    esc(); // before the 4th: ignored
    ASSERT_TRUE(report());
    ASSERT_TRUE(report());
    esc(); // after the 4th
    EXPECT_FALSE(report());
    EXPECT_TRUE(windows.ended());
}

TEST_F(EndingWindow, AnUnwritableHistoryFolderLeavesAReadableEmergencyCopy) {
    p.mk.DataFolder = folder.root() + u"gone/"_qs;
    windows.Show(u"Ending"_qs);
    ASSERT_EQ(p.messages.shown.size(), 1);
    EXPECT_TRUE(p.messages.shown[0].startsWith(
        u"ネットワークが有効ではないかハードディスクが壊れています。\r"_qs));
    EXPECT_TRUE(p.messages.shown[0].contains(u"documents"_qs));
    EXPECT_TRUE(windows.ended());
    EXPECT_NE(windows.exitStatus(), 0);
    EXPECT_TRUE(p.media.log.isEmpty()); // no music, no farewell
    QFile copy(p.mk.EmergencyFolder + u"hana.mkd"_qs);
    ASSERT_EQ(copy.size(), HistoryRecord::kSize);
    const auto read = readHistory(copy);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value().scores(4, 0), 77);
    EXPECT_EQ(read.value().userId, u"hana"_qs);
}

TEST_F(EndingWindow, AFailedEmergencyCopySaysSo) {
    p.mk.DataFolder = folder.root() + u"gone/"_qs;
    folder.write(u"documents"_qs, "a file where the folder should be");
    windows.Show(u"Ending"_qs);
    ASSERT_EQ(p.messages.shown.size(), 2);
    EXPECT_EQ(p.messages.shown[1],
              u"個人履歴ファイル作成に失敗しました。ＭＫを強制終了します。"_qs);
    EXPECT_TRUE(windows.ended());
}

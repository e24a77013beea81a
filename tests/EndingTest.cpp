#include "support/LogOnFixture.h"

struct EndingWindow : LogOnFixture {
    EndingWindow() {
        p.mk.UserID = u"hana"_qs;
        p.mk.HistoryPath = folder.data() + u"hana.mkd"_qs;
        p.mk.ScoreHistory(4, 0) = 77;
    }
    Ending* ending() { return windows.get<Ending>(u"Ending"_qs); }
    // Status reports of the music up to the n-th; false once the program has ended.
    int reports = 0;
    bool reportUpTo(int n) {
        while (reports < n && !windows.ended()) {
            ++reports;
            windows.dispatch([&] { ending()->MMControl3_StatusUpdate(); });
        }
        return !windows.ended();
    }
};

TEST_F(EndingWindow, WritesTheHistoryThenEndsWithThe53rdReport) {
    windows.Show(u"Ending"_qs);
    EXPECT_EQ(folder.read(u"MKData/hana.mkd"_qs), writeHistory(recordOf(p.mk)));
    EXPECT_EQ(p.media.log, (QStringList{u"open MK_Ending.mid"_qs, u"play"_qs}));
    ASSERT_TRUE(reportUpTo(4));
    EXPECT_EQ(ending()->L1.caption, u"個人履歴ファイルの処理中です。"_qs);
    ASSERT_TRUE(reportUpTo(5));
    EXPECT_EQ(ending()->L1.caption, u"個人履歴ファイル処理が終了しました。"_qs);
    EXPECT_EQ(ending()->L2.caption, u"ＥＳＣキーを押すとＭＫを終了します。"_qs);
    EXPECT_EQ(ending()->L1.fontSize, 10);
    ASSERT_TRUE(reportUpTo(31));
    EXPECT_EQ(ending()->backColor, Ending::kStartColor + 31u * 0x404u); // (124, 252, 128)
    EXPECT_TRUE(ending()->L3.caption.isEmpty());
    ASSERT_TRUE(reportUpTo(32));
    EXPECT_EQ(ending()->L1.caption, QString());
    EXPECT_EQ(ending()->L3.caption, u"Good-Bye!!"_qs);
    ASSERT_TRUE(reportUpTo(52));
    EXPECT_FALSE(reportUpTo(53));
    EXPECT_EQ(windows.exitStatus(), 0);
    EXPECT_EQ(p.media.log.last(), u"close"_qs);
}

TEST_F(EndingWindow, EscCountsOnlyOnceTheCompletionTextsAreUp) {
    windows.Show(u"Ending"_qs);
    reportUpTo(3);
    int esc = 27; // each press gets its own copy; this first one, before the 4th, is ignored
    windows.dispatch([&, key = esc]() mutable { ending()->Form_KeyPress(key); });
    ASSERT_TRUE(reportUpTo(5));
    windows.dispatch([&, key = esc]() mutable { ending()->Form_KeyPress(key); });
    EXPECT_FALSE(reportUpTo(6));
}

TEST_F(EndingWindow, AnUnwritableHistoryFolderLeavesAReadableEmergencyCopyAndSaysWhere) {
    p.mk.DataFolder = folder.root() + u"gone/"_qs;
    windows.Show(u"Ending"_qs);
    ASSERT_EQ(p.messages.shown.size(), 1);
    const QString& shown = p.messages.shown[0];
    EXPECT_TRUE(
        shown.startsWith(u"ネットワークが有効ではないかハードディスクが壊れています。\r"_qs));
    // The folder as the pupil reads it, without a trailing separator.
    const QString where = QDir::toNativeSeparators(folder.root() + u"documents"_qs);
    EXPECT_TRUE(shown.contains(u'\r' + where + u"に個人履歴"_qs)) << shown.toStdString();
    EXPECT_TRUE(windows.ended());
    EXPECT_NE(windows.exitStatus(), 0);
    EXPECT_TRUE(p.media.log.isEmpty()); // no music, no farewell
    EXPECT_EQ(folder.read(u"documents/hana.mkd"_qs), writeHistory(recordOf(p.mk)));
}

TEST_F(EndingWindow, AFailedEmergencyCopySaysSo) {
    p.mk.DataFolder = folder.root() + u"gone/"_qs;
    folder.write(u"documents"_qs, "a file where the folder should be");
    windows.Show(u"Ending"_qs);
    EXPECT_EQ(p.messages.shown.value(1),
              u"個人履歴ファイル作成に失敗しました。ＭＫを強制終了します。"_qs);
    EXPECT_TRUE(windows.ended());
}

#include "support/LessonFixture.h"

struct TenKeyRun : LessonFixture {
    TenKeyRun() { setLesson(4, {u"12+3"_qs, u"40"_qs}, u"テンキー１"_qs); }
};

TEST_F(TenKeyRun, TheGuideFollowsTheLineKeyByKeyAndAMissLeavesEverythingInPlace) {
    Marokey* m = open();
    QString duringPrompt;
    messages.whileOpen = [&] { duringPrompt = guide(); };
    // After each key: the typed line, then the marked cap and finger.
    const QString keys = u"5\r132+39\r40+"_qs;
    const std::pair<QStringView, QStringView> steps[] = {
        {u"入力", u""},          {u"", u"F4r TK1r"},      {u"1", u"F5r TK2r"},
        {u"1", u"F5r TK2r"},     {u"12", u"F7r TK11r"},   {u"12+", u"F6r TK3r"},
        {u"12+3", u"F7r TK12r"}, {u"12+3", u"F7r TK12r"}, {u"", u"F4r TK4r"},
        {u"4", u"F8r TK0r"},     {u"40", u"F7r TK12r"},   {u"40", u"F7r TK12r"}};
    for (int i = 0; i < keys.size(); ++i) {
        typeKeys(keys.mid(i, 1));
        EXPECT_EQ(m->H.caption, steps[i].first.toString()) << "after key " << i;
        EXPECT_EQ(guide(), steps[i].second.toString()) << "after key " << i;
    }
    EXPECT_EQ(messages.shown, QStringList{u"準備はよろしいですか？\r\rエンターキーまたは、\r"
                                          u"スペースキーを押すとスタートです。"_qs});
    EXPECT_EQ(duringPrompt, u"F7r TK12r"_qs);
    EXPECT_EQ(m->T.imeMode, ImeMode::Off);
    EXPECT_EQ(m->Tit.caption, u"テンキー１"_qs);
    EXPECT_EQ(m->L.caption, u"40"_qs);
    EXPECT_EQ(m->N_L.caption, u"0"_qs);
    EXPECT_EQ(m->Phase, LessonWindow::LastLineDone);
    EXPECT_EQ(m->Miss.caption, u"3"_qs);
    EXPECT_EQ(beep.count, 3);
}

TEST_F(TenKeyRun, TheLastEnterShowsTheResultsToPrintAndEscLeavesThem) {
    mk.ScoreHistory(0, 0) = 30;
    mk.ScoreHistory(0, 98) = 5;
    mk.ScoreHistory(0, 99) = 7;
    Marokey* m = open();
    typeKeys(u"\r192+3\r407"_qs);
    clock.seconds = 60.0;
    enter();
    // 6 characters in a minute: count 60, score 7, then 5 and 4 for two misses;
    // the total loses the 7 that drops out of the history.
    ASSERT_EQ(m->Phase, LessonWindow::Shown);
    EXPECT_EQ((QStringList{m->TOKUTEN.caption, m->LEV.caption, m->S_T.caption, m->K_K.caption}),
              (QStringList{u"4"_qs, u"合格圏外"_qs, u"30"_qs, u"39"_qs}));
    EXPECT_EQ(std::tuple(mk.ScoreHistory(0, 0), mk.ScoreHistory(0, 1), mk.ScoreHistory(0, 99)),
              std::tuple(4, 30, 5));
    EXPECT_TRUE(m->P.visible);
    EXPECT_TRUE(m->P.caption.contains(u"経過時間は 60.0 秒で、ミスは 2 回"_qs));
    EXPECT_EQ(guide(), QString());
    EXPECT_FALSE(m->TK_F.visible);
    // Print: the summary in Mincho at 24 points, as many times as asked; a cancel prints nothing.
    printer.copies = 3;
    mk.windows.dispatch([&] { m->Command1_Click(); });
    printer.copies.reset();
    mk.windows.dispatch([&] { m->Command1_Click(); });
    ASSERT_EQ(printer.jobs.size(), 1u);
    const RecordingPrinter::Job& job = printer.jobs[0];
    EXPECT_EQ(std::tuple(job.text, job.fontName, job.pointSize, job.copies),
              std::tuple(m->PrintText, u"ＭＳ 明朝"_qs, 24.0, 3));
    release(13);
    EXPECT_FALSE(visible(u"Menu"_qs));
    release(27);
    EXPECT_TRUE(visible(u"Menu"_qs));
    EXPECT_TRUE(m->TK_F.visible);
    EXPECT_FALSE(m->P.visible);
}

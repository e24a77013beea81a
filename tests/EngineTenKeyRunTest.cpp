#include "support/LessonFixture.h"

namespace {

struct TenKeyRun : LessonFixture {
    TenKeyRun() {
        setLesson(4, {u"12+3"_qs, u"40"_qs}, u"テンキー１"_qs);
        mk.ScoreHistory(0, 0) = 30;
        mk.ScoreHistory(0, 98) = 5;
        mk.ScoreHistory(0, 99) = 7;
    }
    // Exactly one keypad cap and one finger are marked.
    void expectOnlyMarked(int cap, int finger) {
        for (int i = 0; i <= 16; ++i)
            EXPECT_EQ(w()->TK[i].backColor, i == cap ? colors::kRed : colors::kLightGrey)
                << "cap " << i << " while " << cap << " is due";
        for (int n = 0; n <= 8; ++n)
            EXPECT_EQ(w()->F[n].backColor, n == finger ? colors::kRed : colors::kLightRed)
                << "finger " << n << " while " << finger << " is due";
    }
};

} // namespace

TEST_F(TenKeyRun, TheGuideFollowsTheLineAndAMissLeavesEverythingInPlace) {
    Marokey* m = open();
    EXPECT_EQ(m->L.caption + m->H.caption, u"表示入力"_qs);
    EXPECT_EQ(m->L.geometry.left, 11760);
    typeKeys(u"5"_qs);
    EXPECT_EQ(m->Phase, LessonWindow::Ready);
    EXPECT_EQ(beep.count, 0);

    std::pair<quint32, quint32> duringPrompt;
    messages.whileOpen = [&] { duringPrompt = {m->TK[12].backColor, m->F[7].backColor}; };
    enter();
    EXPECT_EQ(messages.shown, QStringList{u"準備はよろしいですか？\r\rエンターキーまたは、\r"
                                          u"スペースキーを押すとスタートです。"_qs});
    EXPECT_EQ(duringPrompt, std::pair(colors::kRed, colors::kRed));
    EXPECT_EQ(m->Tit.caption + m->L.caption + m->N_L.caption, u"テンキー１12+31"_qs);
    EXPECT_EQ(m->K_P.value, 42);
    EXPECT_EQ(m->T.imeMode, ImeMode::Off);
    expectOnlyMarked(1, 4);
    typeKeys(u"1"_qs);
    expectOnlyMarked(2, 5);
    typeKeys(u"3"_qs);
    EXPECT_EQ(m->Miss.caption + m->H.caption, u"11"_qs);
    EXPECT_EQ(m->CharPos, 2);
    expectOnlyMarked(2, 5);
    typeKeys(u"2"_qs);
    expectOnlyMarked(11, 7);
    typeKeys(u"+"_qs);
    expectOnlyMarked(3, 6);
    typeKeys(u"3"_qs);
    expectOnlyMarked(12, 7);
    EXPECT_EQ(m->H.caption, u"12+3"_qs);

    typeKeys(u"9"_qs);
    EXPECT_EQ(m->Phase, LessonWindow::LineDone);
    enter();
    EXPECT_EQ(m->L.caption + u'|' + m->H.caption + u'|' + m->N_L.caption, u"40||0"_qs);
    expectOnlyMarked(4, 4);
    typeKeys(u"4"_qs);
    expectOnlyMarked(0, 8);
    typeKeys(u"0+"_qs);
    EXPECT_EQ(m->Phase, LessonWindow::LastLineDone);
    expectOnlyMarked(12, 7);
    EXPECT_EQ(m->Miss.caption, u"3"_qs);
    EXPECT_EQ(beep.count, 3);
}

TEST_F(TenKeyRun, TheLastEnterShowsTheResultsAndEscLeavesThem) {
    Marokey* m = open();
    clock.seconds = 1000.0;
    enter();
    typeKeys(u"192+3"_qs);
    enter();
    typeKeys(u"407"_qs);
    clock.seconds = 1060.0;
    enter();

    // 6 characters in a minute: count 60, score 7, then 5 and 4 for two misses;
    // the total loses the 7 that drops out of the history.
    EXPECT_EQ(m->Phase, LessonWindow::Shown);
    EXPECT_EQ(m->TOKUTEN.caption + m->LEV.caption + m->S_T.caption + u'/' + m->K_K.caption,
              u"4合格圏外30/39"_qs);
    EXPECT_EQ(mk.ScoreHistory(0, 0), 4);
    EXPECT_EQ(mk.ScoreHistory(0, 1), 30);
    EXPECT_EQ(mk.ScoreHistory(0, 99), 5);
    ASSERT_TRUE(m->P.visible && !m->P.transparent);
    const QStringList panel = m->P.caption.split(u"\r\n"_qs);
    ASSERT_EQ(panel.size(), 10);
    EXPECT_EQ(panel[0], u"　テンキー１"_qs);
    EXPECT_EQ(panel.mid(3, 4),
              (QStringList{u"　経過時間は 60.0 秒で、ミスは 2 回あった！"_qs,
                           u"　そして得点は 4 点だった！"_qs,
                           u"　3 の経験値を減らし、総経験値は 39 になった！"_qs,
                           u"　10分入力数は 60 文字で、Level は 合格圏外 だった！"_qs}));
    EXPECT_TRUE(m->PrintText.endsWith(u"　レ ベ ル　：　合格圏外"_qs));
    // Print sends that summary in Mincho at 24 points, as many times as asked;
    // a cancelled dialog prints nothing.
    printer.copies = 3;
    mk.windows.dispatch([&] { m->Command1_Click(); });
    printer.copies.reset();
    mk.windows.dispatch([&] { m->Command1_Click(); });
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].text, m->PrintText);
    EXPECT_EQ(printer.jobs[0].fontName, u"ＭＳ 明朝"_qs);
    EXPECT_EQ(printer.jobs[0].pointSize, 24);
    EXPECT_EQ(printer.jobs[0].copies, 3);
    // The guide at rest, the line labels back in place, the input box out of the way.
    EXPECT_EQ(m->TK[12].backColor, colors::kLightGrey);
    EXPECT_EQ(m->F[7].backColor, colors::kLightRed);
    EXPECT_EQ(m->H.fontSize, 17);
    EXPECT_EQ(std::pair(m->H.geometry.left, m->H.geometry.width), std::pair(720, 13935));
    EXPECT_EQ(m->T.geometry, (Twips{720, 9240, 945, 465}));
    EXPECT_FALSE(m->TK_F.visible);

    release(13);
    EXPECT_FALSE(visible(u"Menu"_qs));
    release(27);
    EXPECT_TRUE(m->TK_F.visible && !m->P.visible);
    EXPECT_TRUE(visible(u"Menu"_qs));
}

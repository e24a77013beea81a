#include "support/LessonFixture.h"

namespace {

struct LessonWindowTest : LessonFixture {
    LessonWindowTest() { setLesson(4, {u"1234"_qs}); }
    // Starts at clock 100 and ends the given seconds later; a ten-key line of 4
    // characters in a minute is count 40, score 5.
    void finishRun(double seconds = 60.0) {
        ASSERT_EQ(w()->Phase, LessonWindow::Ready);
        clock.seconds = 100.0;
        enter();
        for (int guard = 0; guard < 50 && w()->Phase != LessonWindow::Shown; ++guard) {
            const QString line = w()->L.caption;
            clock.seconds = 100.0 + seconds;
            if (w()->lessonKind() == 4) {
                typeKeys(line);
                enter();
            } else {
                submit(line);
            }
        }
        ASSERT_EQ(w()->Phase, LessonWindow::Shown);
    }
    void setHistory(int hundreds) {
        mk.ScoreHistory.clear();
        for (int slot = 0; slot < hundreds; ++slot)
            mk.ScoreHistory(0, slot) = 100;
    }
    int milestoneMessages() const {
        return static_cast<int>(
            messages.shown.filter(u"を超えた！\rここでマウスの練習をしよう！"_qs).size());
    }
};

} // namespace

TEST_F(LessonWindowTest, TheClockRunsAlwaysAndTheRunTimeOnlyWhileTyping) {
    Marokey* m = open();
    EXPECT_TRUE(m->Timer1.enabled);
    const std::pair<QTime, const char16_t*> times[] = {{QTime(0, 5, 9), u"午前 12:05:09"},
                                                       {QTime(12, 0, 0), u"午後 12:00:00"},
                                                       {QTime(13, 4, 5), u"午後 01:04:05"}};
    for (auto [time, text] : times) {
        clock.wall = time;
        clock.seconds += 7.0;
        tick();
        EXPECT_EQ(m->Tim.caption + u'|' + m->BTim.caption, QString::fromUtf16(text) + u"|0.0"_qs);
    }
    clock.seconds = 100.0;
    enter();
    for (auto [now, shown] : {std::pair{183.4, u"83.4"}, {1334.56, u"1234.6"}}) {
        clock.seconds = now;
        tick();
        EXPECT_EQ(m->BTim.caption, QString::fromUtf16(shown));
    }
    typeKeys(u"1234"_qs);
    clock.seconds = 1400.0;
    enter();
    clock.seconds = 1500.0;
    tick();
    EXPECT_EQ(m->BTim.caption, u"1300.0"_qs);
    EXPECT_FALSE(m->Timer1.enabled);
}

TEST_F(LessonWindowTest, MenuStoresAnUnfinishedRunAsZeroButNotAFinishedOne) {
    mk.ScoreHistory(0, 0) = 50;
    mk.ScoreHistory(0, 98) = 8;
    mk.ScoreHistory(0, 99) = 9;
    open();
    enter();
    mk.windows.dispatch([&] { w()->Lesson_Select_Click(); });
    EXPECT_TRUE(visible(u"Menu"_qs));
    EXPECT_EQ(mk.ScoreHistory(0, 0), 0);
    EXPECT_EQ(mk.ScoreHistory(0, 1), 50);
    EXPECT_EQ(mk.ScoreHistory(0, 99), 8);

    reopen();
    EXPECT_EQ(w()->Z_T.caption + u'/' + w()->S_T.caption, u"0/50"_qs);
    finishRun();
    EXPECT_EQ(mk.ScoreHistory(0, 0), 5);
    const auto history = mk.ScoreHistory.bytes();
    mk.windows.dispatch([&] { w()->Lesson_Select_Click(); });
    EXPECT_EQ(mk.ScoreHistory.bytes(), history);
}

TEST_F(LessonWindowTest, RepeatModeResetsTheWindowAndMovesTheHandOnlyOnce) {
    const Marokey design(mk);
    Marokey* m = open();
    const auto expectHandOverKeypad = [&] {
        for (int n = 0; n <= 9; ++n) {
            const int shift = n >= 4 ? 5400 : 0;
            EXPECT_EQ(m->Shape2[n].geometry.left, design.Shape2[n].geometry.left + shift) << n;
            if (n == 9) break;
            EXPECT_EQ(m->F[n].geometry.left, design.F[n].geometry.left + shift) << n;
            EXPECT_EQ(m->Shape4[n].geometry.left, design.Shape4[n].geometry.left + shift) << n;
        }
    };
    expectHandOverKeypad();
    mk.windows.dispatch([&] { m->Repeat_Click(); });
    EXPECT_EQ(m->Repeat.backColor, 0xFF8080u);

    finishRun();
    typeKeys(u"9"_qs); // a ten-key run counts keys on the results as misses
    ASSERT_EQ(m->Miss.caption, u"1"_qs);
    release(27);
    EXPECT_FALSE(visible(u"Menu"_qs));
    EXPECT_EQ(m->Phase, LessonWindow::Ready);
    EXPECT_TRUE(m->Timer1.enabled && m->TK_F.visible);
    EXPECT_FALSE(m->P.visible || m->Tit.visible || m->K_P.visible);
    EXPECT_EQ(m->Miss.caption + m->BTim.caption + m->TOKUTEN.caption + m->LEV.caption,
              u"00.0？？？？"_qs);
    EXPECT_EQ(m->Z_T.caption + m->N_L.caption, u"51"_qs);
    EXPECT_EQ(m->H.caption, LessonWindow::kStartPrompt);
    EXPECT_EQ(m->T.caption, LessonWindow::kStartPrompt);
    EXPECT_EQ(m->L.caption, u"このラインにテキストが表示されます。"_qs);

    finishRun();
    EXPECT_EQ(mk.ScoreHistory(0, 1), 5);
    expectHandOverKeypad();
    mk.windows.dispatch([&] { m->Repeat_Click(); });
    EXPECT_EQ(m->Repeat.backColor, colors::kButtonFace);
    release(27);
    EXPECT_TRUE(visible(u"Menu"_qs));
}

TEST_F(LessonWindowTest, ARepeatShufflesAgainOnlyWithOrderFlagTwo) {
    // Every shuffle of three lines swaps the first two nine times.
    random.values = {0.0, 0.5};
    for (const QString& flag : {u"2"_qs, u"1"_qs}) {
        setLesson(3, {u"あ"_qs, u"い"_qs, u"う"_qs}, u"練習"_qs, flag);
        reopen();
        EXPECT_EQ(w()->LessonLines.first(), flag == u"2" ? u"い"_qs : u"あ"_qs);
        mk.windows.dispatch([&] { w()->Repeat_Click(); });
        finishRun();
        release(27);
        EXPECT_EQ(w()->LessonLines.first(), u"あ"_qs) << flag.toStdString();
    }
}

TEST_F(LessonWindowTest, ClosingResultsInAMilestoneHundredOffersTheGameEveryTime) {
    standIn(u"MOGU1"_qs);
    setHistory(10);
    open();
    finishRun();
    EXPECT_EQ(w()->K_K.caption, u"1005"_qs);
    release(27);
    EXPECT_EQ(messages.shown.last(),
              u"経験値が　1000　を超えた！\rここでマウスの練習をしよう！"_qs);
    EXPECT_TRUE(visible(u"MOGU1"_qs));
    EXPECT_FALSE(visible(u"Marokey"_qs) || visible(u"Menu"_qs));

    // Not only when the total first crosses it; from repeat mode the game is to come back.
    mk.windows.Hide(u"MOGU1"_qs);
    reopen();
    mk.windows.dispatch([&] { w()->Repeat_Click(); });
    finishRun();
    release(27);
    EXPECT_EQ(milestoneMessages(), 2);
    EXPECT_EQ(mk.GameFromRepeat, 1);
    EXPECT_TRUE(visible(u"MOGU1"_qs));
    EXPECT_FALSE(visible(u"Marokey"_qs));
}

TEST_F(LessonWindowTest, WithoutTheGameAMilestoneLeadsBackWhereThePupilWasGoing) {
    setHistory(10);
    open();
    mk.windows.dispatch([&] { w()->Repeat_Click(); });
    finishRun();
    release(27);
    EXPECT_EQ(milestoneMessages(), 1);
    EXPECT_TRUE(visible(u"Marokey"_qs));
    EXPECT_FALSE(visible(u"Menu"_qs));
    EXPECT_EQ(w()->Phase, LessonWindow::Ready);

    // 100 and 300 are milestones, 200 is not.
    for (int hundreds : {1, 2, 3}) {
        setHistory(hundreds);
        messages.shown.clear();
        reopen();
        finishRun();
        release(27);
        EXPECT_EQ(milestoneMessages(), hundreds == 2 ? 0 : 1) << hundreds;
        EXPECT_TRUE(visible(u"Menu"_qs));
    }
}

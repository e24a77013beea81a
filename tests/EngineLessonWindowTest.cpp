#include "support/LessonFixture.h"

struct LessonWindowTest : LessonFixture {
    LessonWindowTest() { setLesson(4, {u"1234"_qs}); }
    // A ten-key line of 4 characters in a minute: count 40, score 5.
    void finishRun() {
        typeLesson();
        ASSERT_EQ(w()->Phase, LessonWindow::Shown);
    }
};

TEST_F(LessonWindowTest, TheClockRunsAlwaysAndTheRunTimeOnlyWhileTyping) {
    Marokey* m = open();
    const std::pair<QTime, const char16_t*> times[] = {{QTime(0, 5, 9), u"午前 12:05:09"},
                                                       {QTime(12, 0, 0), u"午後 12:00:00"},
                                                       {QTime(13, 4, 5), u"午後 01:04:05"}};
    for (auto [time, text] : times) {
        clock.wall = time;
        clock.seconds += 7.0;
        tick();
        EXPECT_EQ(m->Tim.caption, QString::fromUtf16(text));
        EXPECT_EQ(m->BTim.caption, u"0.0"_qs);
    }
    clock.seconds = 100.0;
    enter();
    clock.seconds = 183.4;
    tick();
    EXPECT_EQ(m->BTim.caption, u"83.4"_qs);
    typeKeys(u"1234\r"_qs);
    clock.seconds = 300.0;
    tick();
    EXPECT_EQ(m->BTim.caption, u"83.4"_qs); // stopped with the run
}

TEST_F(LessonWindowTest, MenuStoresAnUnfinishedRunAsZeroButNotAFinishedOne) {
    mk.ScoreHistory(0, 0) = 50;
    mk.ScoreHistory(0, 98) = 8;
    open();
    enter();
    mk.windows.dispatch([&] { w()->Lesson_Select_Click(); });
    EXPECT_TRUE(visible(u"Menu"_qs));
    EXPECT_EQ(QList<int>({mk.ScoreHistory(0, 0), mk.ScoreHistory(0, 1), mk.ScoreHistory(0, 99)}),
              QList<int>({0, 50, 8}));
    reopen();
    finishRun();
    const auto history = mk.ScoreHistory.bytes();
    mk.windows.dispatch([&] { w()->Lesson_Select_Click(); });
    EXPECT_EQ(mk.ScoreHistory.bytes(), history);
}

TEST_F(LessonWindowTest, RepeatModeResetsReshufflesOnlyWithOrderFlagTwoAndMovesTheHandOnce) {
    const int handLeft = Marokey(mk).F[4].geometry.left + 5400; // over the keypad
    random.values = {0.0, 0.5}; // every shuffle of three lines swaps the first two nine times
    for (const QString& flag : {u"2"_qs, u"1"_qs}) {
        setLesson(4, {u"1"_qs, u"2"_qs, u"3"_qs}, u"練習"_qs, flag);
        reopen();
        EXPECT_EQ(w()->lessonLine(1), flag);
        mk.windows.dispatch([&] { w()->Repeat_Click(); });
        finishRun();
        release(27);
        EXPECT_FALSE(visible(u"Menu"_qs));
        EXPECT_FALSE(w()->P.visible);
        EXPECT_EQ(w()->Phase, LessonWindow::Ready);
        EXPECT_EQ(w()->lessonLine(1), u"1"_qs);
        EXPECT_EQ(w()->LEV.caption, u"？？？？"_qs);
        EXPECT_EQ(w()->H.caption, LessonWindow::kStartPrompt);
        finishRun();
        EXPECT_EQ(w()->F[4].geometry.left, handLeft);
        mk.windows.dispatch([&] { w()->Repeat_Click(); });
        release(27);
        EXPECT_TRUE(visible(u"Menu"_qs));
    }
}

TEST_F(LessonWindowTest, ResultsInTheThousandsAlwaysOfferTheGameAndTheTwoHundredsNever) {
    standIn(u"MOGU1"_qs);
    mk.ScoreHistory(0, 0) = 200;
    for (int run = 0; run < 3; ++run) { // 200 to 205, then 1005 to 1010 and on to 1015
        if (run == 1)
            for (int slot = 2; slot < 6; ++slot)
                mk.ScoreHistory(0, slot) = 200;
        reopen();
        mk.windows.dispatch([&] { w()->Repeat_Click(); });
        finishRun();
        release(27);
        EXPECT_EQ(messages.shown.filter(u"を超えた！"_qs).size(), run);
        EXPECT_EQ(visible(u"MOGU1"_qs), run > 0);
        EXPECT_EQ(visible(u"Marokey"_qs), run == 0); // repeat mode or the game
        EXPECT_FALSE(visible(u"Menu"_qs));
        mk.windows.Hide(u"MOGU1"_qs);
    }
    EXPECT_EQ(messages.shown.last(),
              u"経験値が　1000　を超えた！\rここでマウスの練習をしよう！"_qs);
    EXPECT_EQ(mk.GameFromRepeat, 1); // the lesson is to come back after the game
}

#include "support/LessonFixture.h"

// In the delivered key table AZ37 is K, AZ30 A, AZ31 S, AZ20 Y; F0 is the left
// little finger, F5 the right middle finger, F4 the right forefinger.
struct RomajiRun : LessonFixture {
    RomajiRun() { mk.RomajiInput = true; }
};

TEST_F(RomajiRun, KanaLinesAreTypedKeyByKeyAndEndByThemselves) {
    setLesson(2, {u"かき"_qs, u"しゃ"_qs});
    Marokey* m = open();
    enter();
    EXPECT_EQ(m->T.imeMode, ImeMode::Off);
    EXPECT_EQ(m->L.caption, u"かき"_qs);
    EXPECT_EQ(m->H.caption, u"kaki"_qs);
    EXPECT_EQ(guide(), u"AZ37r F5r"_qs);
    typeKeys(u"kx"_qs); // x is a miss and moves nothing
    EXPECT_EQ(beep.count, 1);
    EXPECT_EQ(m->Miss.caption, u"1"_qs);
    EXPECT_EQ(std::pair(m->H.doneLength, m->L.doneLength), std::pair(1, 0));
    EXPECT_EQ(guide(), u"AZ30r F0r"_qs);
    typeKeys(u"a\r"_qs); // Enter is no key of the line: neither right nor a miss
    EXPECT_EQ(m->MissCount, 1);
    EXPECT_EQ(std::pair(m->H.doneLength, m->L.doneLength), std::pair(2, 1));
    typeKeys(u"ki"_qs);
    EXPECT_EQ(m->Phase, LessonWindow::Typing);
    EXPECT_EQ(m->L.caption, u"しゃ"_qs);
    EXPECT_EQ(m->N_L.caption, u"0"_qs);
    EXPECT_EQ(m->H.caption, u"sha"_qs);
    typeKeys(u"sy"_qs); // the pupil's own spelling takes over the guide
    EXPECT_EQ(m->H.caption, u"sya"_qs);
    EXPECT_EQ(guide(), u"AZ30r F0r"_qs);
}

TEST_F(RomajiRun, ResultsAndHistoryAreThoseOfTheLineRunOnTheKanaCount) {
    setLesson(2, {u"きって"_qs, u"ほん"_qs});
    Marokey* m = open();
    clock.seconds = 100.0;
    enter();
    EXPECT_EQ(m->TotalChars, 5);
    clock.seconds = 106.0;
    typeKeys(u"kitte"_qs);
    typeKeys(u"honq"_qs); // a lone n cannot end a line: q is a miss
    EXPECT_EQ(m->Phase, LessonWindow::Typing);
    typeKeys(u"n"_qs);
    // 5 kana of factor 1 in 6 seconds: count 500, score 62, one miss 49.
    EXPECT_EQ(m->Phase, LessonWindow::Shown);
    EXPECT_EQ(m->TenMinuteCount, 500);
    EXPECT_EQ(m->Score, 49);
    EXPECT_EQ(mk.ScoreHistory(0, 0), 49);
    EXPECT_EQ(guide(), QString());
}

TEST_F(RomajiRun, ARepeatRunShowsThePromptsPlainlyAndStartsAfresh) {
    setLesson(2, {u"あい"_qs});
    Marokey* m = open();
    mk.windows.dispatch([&] { m->Repeat_Click(); });
    typeKeys(u"\ra"_qs);
    clock.seconds += 60.0; // slow enough to stay clear of the game's milestone
    typeKeys(u"i"_qs);
    release(27); // Esc leaves the results for another run
    EXPECT_EQ(m->Phase, LessonWindow::Ready);
    EXPECT_EQ(std::pair(m->L.doneLength, m->H.doneLength), std::pair(-1, -1));
    typeKeys(u"\ra"_qs);
    EXPECT_EQ(m->H.caption, u"ai"_qs);
    EXPECT_EQ(m->L.doneLength, 1);
}

TEST_F(RomajiRun, TheOptionOffLeavesKanaLinesToTheInputMethod) {
    mk.RomajiInput = false;
    setLesson(2, {u"かき"_qs});
    Marokey* m = open();
    enter();
    typeKeys(u"kx"_qs); // only Enter judges a line
    EXPECT_EQ(m->MissCount, 0);
    EXPECT_EQ(m->H.doneLength, -1);
    submit(u"かき"_qs);
    EXPECT_EQ(m->Phase, LessonWindow::Shown);
}

using CompactRomajiRun = CompactFixture;

TEST_F(CompactRomajiRun, TheCompactWindowTakesTheSameRun) {
    standIn(u"MOGU1"_qs);
    mk.RomajiInput = true;
    setLesson(2, {u"あ"_qs});
    MarokeySVGA* m = open();
    enter();
    EXPECT_EQ(m->H.caption, u"a"_qs);
    typeKeys(u"a"_qs);
    EXPECT_GE(m->Phase, LessonWindow::Stopped); // its results are a message, then the menu
    EXPECT_EQ(m->TotalChars, 1);
}

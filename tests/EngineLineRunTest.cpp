#include "support/LessonFixture.h"

using LineRun = LessonFixture;

TEST_F(LineRun, WholeLinesAreJudgedOnEnterAndMoveOnAtItsRelease) {
    setLesson(3, {u"今日は晴れ"_qs, u"明日は雨"_qs});
    Marokey* m = open();
    QString duringPrompt;
    messages.whileOpen = [&] { duringPrompt = guide(); };
    enter();
    EXPECT_EQ(duringPrompt + u'|' + guide(), u"AZ28r AZ59b F7r F8b|"_qs); // Enter and Space
    EXPECT_EQ(m->T.imeMode, ImeMode::On);
    m->T.caption = u"\r\n"_qs; // the Enter that started the run does not stay
    tick();
    EXPECT_EQ(m->T.caption, u""_qs);
    submit(u""_qs);
    submit(u"今日は晴れ "_qs);
    EXPECT_EQ(m->Miss.caption, u"2"_qs);
    EXPECT_EQ(m->T.caption, u"今日は晴れ "_qs); // left for correction
    m->T.caption = u"今日は晴れ\r\n"_qs;        // with a pasted line break
    press(13);
    EXPECT_EQ(m->Phase, LessonWindow::LineDone);
    release(13);
    EXPECT_EQ(m->L.caption, u"明日は雨"_qs);
    EXPECT_EQ(m->T.caption, QString());
    EXPECT_EQ(m->N_L.caption, u"0"_qs);
}

TEST_F(LineRun, AOneLineLessonFinishesOnTheReleaseOfItsEnter) {
    setLesson(2, {u"あいうえお"_qs});
    Marokey* m = open();
    enter();
    EXPECT_EQ(m->T.imeMode, ImeMode::Hiragana);
    m->T.caption = u"あいうえお"_qs;
    press(13);
    EXPECT_EQ(m->Phase, LessonWindow::LastLineDone);
    release(13);
    EXPECT_EQ(m->Phase, LessonWindow::Shown);
    setQuestions({u"q"_qs}, {u"a"_qs}, u"英単語意味.txt"_qs);
    reopen();
    enter();
    EXPECT_EQ(w()->T.imeMode, ImeMode::Off); // English word questions
}

TEST_F(LineRun, OnlyMockTestsGetSmallerLinesAndOnlyUntilTheResults) {
    for (const QString& title : {u"３級模擬試験Ａ"_qs, u"２級模擬"_qs, u"１級模擬１"_qs,
                                 u"超上級　文章"_qs, u"３級テスト"_qs, u"超上級 文章"_qs}) {
        const bool mock = !title.contains(u"テスト"_qs) && title != u"超上級 文章";
        setLesson(3, {u"あ"_qs}, title);
        reopen();
        enter();
        EXPECT_EQ(std::pair(w()->L.fontSize, w()->T.geometry.top),
                  mock ? std::pair(14.0, 3960) : std::pair(17.0, 4080));
        submit(u"あ"_qs);
        EXPECT_EQ(std::pair(w()->L.fontSize, w()->H.geometry.top), std::pair(17.0, 4080));
    }
}

TEST_F(LineRun, QuestionsGiveThreeChancesThenRevealTheAnswer) {
    random.values = {0.0, 0.5}; // shuffled: each answer is its question less the "?"
    setQuestions({u"apple?"_qs, u"fig?"_qs, u"pear?"_qs}, {u"apple"_qs, u"fig"_qs, u"pear"_qs});
    Marokey* m = open();
    enter();
    EXPECT_EQ(m->T.imeMode, ImeMode::On);
    QStringList asked{m->L.caption}; // wrong, wrong, right; the box emptied after each wrong
    submit(u"x"_qs);
    submit(asked[0].chopped(1).toUpper());
    EXPECT_EQ(m->T.caption + m->L.caption, asked[0]);
    submit(asked[0].chopped(1) + u"\r\n"_qs);
    // Four wrong answers reveal the answer and go on; on the last question to the results.
    for (int question = 2; question <= 3; ++question) {
        asked << m->L.caption;
        for (int i = 0; i < 4; ++i)
            submit(u"?"_qs);
    }
    EXPECT_EQ(m->Phase, LessonWindow::Shown);
    EXPECT_EQ(asked.removeDuplicates(), 0);
    const QString w1 = u"ざんねん！ちがうよ！\rまちがい１回目\rつぎはがんばって！"_qs;
    const QString w2 = u"あ～！またまちがい！\rまちがい２回目\rあと１回しかまちがえられないよ！"_qs;
    const QString w3 = u"わ～っ！ピンチだよ！\rまちがい３回目\rもうまちがえられないよ！"_qs;
    const QString reveal = u"こたえは・・・\r\r%1\r\rでした。。。\r\rつぎにいくよ！"_qs;
    EXPECT_EQ(messages.shown.mid(1),
              (QStringList{w1, w2, w1, w2, w3, reveal.arg(asked[1].chopped(1)), w1, w2, w3,
                           reveal.arg(asked[2].chopped(1))}));
    EXPECT_EQ(m->Miss.caption, u"10"_qs);
    EXPECT_EQ(m->M_C.caption, u"12"_qs);
}

TEST_F(LineRun, AWaveDashTypedOnLinuxMatchesTheLessonsWaveDash) {
    // The lesson as the code page decodes it (U+FF5E, U+FF0D), typed as the input method
    // sends it (U+301C, U+2212): in a line and in an answer.
    setLesson(3, {u"１\uFF5E１０まで"_qs, u"\uFF0D５℃"_qs});
    open();
    enter();
    submit(u"１\u301C１０まで"_qs);
    submit(u"\u2212５℃"_qs);
    EXPECT_EQ(w()->Miss.caption, u"0"_qs);
    EXPECT_EQ(w()->Phase, LessonWindow::Shown);
    setQuestions({u"波の記号は？"_qs}, {u"\uFF5E"_qs});
    reopen();
    enter();
    submit(u"\u301C"_qs);
    EXPECT_EQ(w()->Miss.caption, u"0"_qs);
    EXPECT_EQ(w()->Phase, LessonWindow::Shown);
}

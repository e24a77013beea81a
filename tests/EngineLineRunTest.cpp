#include "support/LessonFixture.h"

#include <map>

namespace {

using LineRun = LessonFixture;

QString wrong(int n) {
    const QString texts[3] = {
        u"ざんねん！ちがうよ！\rまちがい１回目\rつぎはがんばって！"_qs,
        u"あ～！またまちがい！\rまちがい２回目\rあと１回しかまちがえられないよ！"_qs,
        u"わ～っ！ピンチだよ！\rまちがい３回目\rもうまちがえられないよ！"_qs};
    return texts[n - 1];
}

QString reveal(const QString& answer) {
    return u"こたえは・・・\r\r"_qs + answer + u"\r\rでした。。。\r\rつぎにいくよ！"_qs;
}

} // namespace

TEST_F(LineRun, WholeLinesAreJudgedOnEnterAndMoveOnAtItsRelease) {
    setLesson(3, {u"今日は晴れ"_qs, u"明日は雨"_qs});
    Marokey* m = open();
    std::vector<quint32> duringPrompt;
    messages.whileOpen = [&] {
        duringPrompt = {m->AZ[28].backColor, m->F[7].backColor, m->AZ[59].backColor,
                        m->F[8].backColor};
    };
    enter();
    EXPECT_EQ(duringPrompt,
              (std::vector{colors::kRed, colors::kRed, colors::kBlue, colors::kBlue}));
    EXPECT_EQ(m->AZ[59].backColor, colors::kLightGrey);
    EXPECT_EQ(m->T.geometry, (Twips{720, 4080, 13935, 795}));
    EXPECT_EQ(m->T.imeMode, ImeMode::On);
    m->T.caption = u"\r\n"_qs; // the Enter that started the run does not stay
    tick();
    EXPECT_EQ(m->T.caption, u""_qs);

    submit(u""_qs);
    submit(u"今日は晴れ "_qs);
    EXPECT_EQ(m->Miss.caption, u"2"_qs);
    EXPECT_EQ(m->T.caption, u"今日は晴れ "_qs); // left for correction
    EXPECT_EQ(m->Phase, LessonWindow::Typing);

    m->T.caption = u"今日は晴れ\r\n"_qs;
    press(13);
    EXPECT_EQ(m->Phase, LessonWindow::LineDone);
    EXPECT_EQ(m->L.caption, u"今日は晴れ"_qs);
    release(13);
    EXPECT_EQ(m->Phase, LessonWindow::Typing);
    EXPECT_EQ(m->L.caption + u'|' + m->T.caption + u'|' + m->N_L.caption, u"明日は雨||0"_qs);
}

TEST_F(LineRun, AOneLineLessonFinishesOnTheReleaseOfItsEnter) {
    setLesson(2, {u"あいうえお"_qs});
    Marokey* m = open();
    enter();
    EXPECT_EQ(m->T.imeMode, ImeMode::Hiragana);
    clock.seconds = 3.0;
    m->T.caption = u"あいうえお"_qs;
    press(13);
    EXPECT_EQ(m->Phase, LessonWindow::LastLineDone);
    release(13);
    EXPECT_EQ(m->Phase, LessonWindow::Shown);
    // Count 1000; a first run gains exactly its score.
    EXPECT_EQ(m->BTim.caption + m->TOKUTEN.caption + m->LEV.caption, u"3.0100検定OVER"_qs);
    EXPECT_EQ(m->P.caption.split(u"\r\n"_qs).mid(5, 2),
              (QStringList{u"　100 の経験値を獲得し、総経験値は 100 になった！"_qs,
                           u"　10分間入力数は 1000 文字で、Level は 検定OVER だった！"_qs}));
}

TEST_F(LineRun, EnglishWordQuestionsSwitchTheInputMethodOff) {
    for (const auto& [file, mode] :
         {std::pair{u"英単語意味.txt"_qs, ImeMode::Off}, {u"単語.txt"_qs, ImeMode::On}}) {
        setQuestions({u"q"_qs}, {u"a"_qs}, file);
        reopen();
        enter();
        EXPECT_EQ(w()->T.imeMode, mode) << file.toStdString();
    }
}

TEST_F(LineRun, MockTestsGetSmallerLinesUntilTheResults) {
    const std::pair<QString, bool> titles[] = {
        {u"３級模擬試験Ａ"_qs, true}, {u"２級模擬"_qs, true},    {u"１級模擬１"_qs, true},
        {u"超上級　文章"_qs, true},   {u"３級テスト"_qs, false}, {u"超上級 文章"_qs, false}};
    for (const auto& [title, mock] : titles) {
        SCOPED_TRACE(title.toStdString());
        setLesson(3, {u"あ"_qs}, title);
        reopen();
        Marokey* m = w();
        // Font and height of the lines, tops of the shown, typed and input lines.
        const auto layout = [m] {
            return QList<int>{int(m->L.fontSize),   int(m->T.fontSize), m->L.geometry.height,
                              m->H.geometry.height, m->L.geometry.top,  m->H.geometry.top,
                              m->T.geometry.top};
        };
        enter();
        const QList<int> mockLayout{14, 14, 945, 945, 3020, 3960, 3960};
        const QList<int> designLayout{17, 17, 795, 795, 3240, 4080, 4080};
        EXPECT_EQ(layout(), mock ? mockLayout : designLayout);
        submit(u"あ"_qs);
        ASSERT_EQ(m->Phase, LessonWindow::Shown);
        EXPECT_EQ(layout().mid(0, 6), designLayout.mid(0, 6));
        EXPECT_EQ(m->T.geometry, (Twips{720, 9240, 945, 465}));
    }
}

TEST_F(LineRun, QuestionsGiveThreeChancesThenRevealTheAnswer) {
    const std::map<QString, QString> answers = {
        {u"りんご"_qs, u"apple"_qs}, {u"みかん"_qs, u"orange"_qs}, {u"ぶどう"_qs, u"grape"_qs}};
    setQuestions({u"りんご"_qs, u"みかん"_qs, u"ぶどう"_qs},
                 {u"apple"_qs, u"orange"_qs, u"grape"_qs});
    Marokey* m = open();
    enter();
    messages.shown.clear();

    // Wrong, wrong, right: the box is emptied after each wrong answer.
    const QString first = m->L.caption;
    for (const QString& typed : {u"appel"_qs, u"Apple"_qs}) {
        submit(typed);
        EXPECT_EQ(m->T.caption + m->L.caption, first);
    }
    submit(answers.at(first) + u"\r\n"_qs);
    QStringList expected{wrong(1), wrong(2)};
    EXPECT_EQ(messages.shown, expected);
    EXPECT_EQ(m->MissCount, 2);

    // Four wrong answers reveal the answer and go on to the next question,
    // and on the last question the release of that Enter shows the results.
    for (int question = 2; question <= 3; ++question) {
        const QString shown = m->L.caption;
        EXPECT_EQ(m->Phase, LessonWindow::Typing);
        for (int i = 0; i < 4; ++i)
            submit(u"?"_qs);
        expected << wrong(1) << wrong(2) << wrong(3) << reveal(answers.at(shown));
        EXPECT_EQ(messages.shown, expected);
        const bool last = question == 3;
        EXPECT_EQ(m->Phase, last ? LessonWindow::Shown : LessonWindow::Typing);
        EXPECT_EQ(m->L.caption == shown, last);
    }
    EXPECT_EQ(m->Miss.caption, u"10"_qs);
    EXPECT_EQ(m->M_C.caption, u"16"_qs);
}

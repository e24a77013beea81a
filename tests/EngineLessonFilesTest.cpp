#include "support/LessonFixture.h"

namespace {

struct LessonFiles : LessonFixture {
    void expectBackAtTheMenu(const QString& message) {
        EXPECT_EQ(messages.shown, QStringList{message});
        EXPECT_FALSE(mk.windows.isLoaded(u"Marokey"_qs));
        EXPECT_TRUE(visible(u"Menu"_qs));
    }
};

const QString kBroken = u"練習ファイルが壊れています。\rMenuに戻ります。"_qs;

QStringList numbered(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QString::number(i);
    return lines;
}

} // namespace

TEST_F(LessonFiles, FieldsBecomeLinesAndBlankLinesCountForNothing) {
    setLesson(3, {u"一行目"_qs, u""_qs, u"二行目,三行目"_qs, u"   "_qs, u"\"四,行目\""_qs, u""_qs});
    Marokey* m = open();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->LessonLines,
              (QStringList{u"一行目"_qs, u"二行目"_qs, u"三行目"_qs, u"四,行目"_qs}));
    EXPECT_EQ(m->TotalChars, 13);
    // Lines, characters and what a pupil without history of the lesson sees.
    QStringList captions;
    for (Control* c : {&m->Z_G, &m->M_C, &m->N_L, &m->Z_T, &m->S_T, &m->K_K, &m->LNEN, &m->LKUMI,
                       &m->LBAN, &m->LSIMEI})
        captions << c->caption;
    EXPECT_EQ(captions.join(u' '), u"4 13 4 0 0 0 3 2 15 山田花子"_qs);
}

TEST_F(LessonFiles, OnlyTheFirstKindIsUpperCased) {
    setLesson(1, {u"abc,Def"_qs});
    EXPECT_EQ(open()->LessonLines, (QStringList{u"ABC"_qs, u"DEF"_qs}));
    mk.LessonKind[0] = 6;
    reopen();
    EXPECT_EQ(w()->LessonLines, (QStringList{u"abc"_qs, u"Def"_qs}));
}

TEST_F(LessonFiles, QuestionsAreShuffledWithTheirAnswersAndTheAnswersCounted) {
    random.values = {0.0, 0.5}; // nine swaps of the first two of three lines
    setQuestions({u"q1"_qs, u"q2"_qs, u"q3"_qs}, {u"apple"_qs, u"fig"_qs, u""_qs, u"pear"_qs});
    Marokey* m = open();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->LineCount, 3);
    EXPECT_EQ(m->TotalChars, 12); // every answer, the empty and the unasked one too
    EXPECT_EQ(m->LessonLines, (QStringList{u"q2"_qs, u"q1"_qs, u"q3"_qs}));
    EXPECT_EQ(m->AnswerLines, (QStringList{u"fig"_qs, u"apple"_qs, u""_qs, u"pear"_qs}));
}

TEST_F(LessonFiles, FiveHundredLinesLoadAndAnyFurtherFieldBreaksTheFile) {
    setLesson(3, numbered(500));
    ASSERT_TRUE(open());
    EXPECT_EQ(w()->LineCount, 500);
    mk.windows.Unload(u"Marokey"_qs);
    setLesson(3, numbered(500) << u""_qs);
    EXPECT_FALSE(open());
    expectBackAtTheMenu(kBroken);
}

TEST_F(LessonFiles, MissingFilesSendThePupilBackToTheMenu) {
    setLesson(3, {u"a"_qs});
    mk.LessonFile[0] = u"nowhere.txt"_qs;
    EXPECT_FALSE(open());
    expectBackAtTheMenu(kBroken);

    messages.shown.clear();
    setQuestions({u"q1"_qs}, {u"a1"_qs});
    mk.LessonFile2[0] = u"nowhere.txt"_qs;
    EXPECT_FALSE(open());
    expectBackAtTheMenu(u"問題ファイル（解答）が壊れています。\rMenuに戻ります。"_qs);
}

TEST_F(LessonFiles, ANumberRecipeWritesItsLessonOnceAndNamesIt) {
    setLesson(4, {});
    mk.LessonFile[0] = u"030020"_qs;
    random.values = {0.0, 0.5, 0.999999};
    ASSERT_TRUE(open());
    EXPECT_EQ(mk.LessonFile[0], u"Seisei.txt"_qs);
    QByteArray expected;
    for (int i = 0; i < 20; ++i)
        expected += i % 3 == 0 ? "100\r\n" : i % 3 == 1 ? "550\r\n" : "999\r\n";
    EXPECT_EQ(folder.read(u"MKLesson/Seisei.txt"_qs), expected);
    EXPECT_EQ(w()->LineCount, 20);
    EXPECT_EQ(w()->TotalChars, 60);

    // Later loads find the file in the catalogue and draw nothing new.
    random.values = {0.25};
    reopen();
    EXPECT_EQ(w()->lessonLine(1), u"100"_qs);
}

TEST_F(LessonFiles, ALessonWithoutLinesEndsAtTheFirstKey) {
    setLesson(2, {u""_qs, u"  "_qs});
    ASSERT_TRUE(open());
    EXPECT_TRUE(messages.shown.isEmpty());
    press(13);
    expectBackAtTheMenu(u"Lessonが存在しないため終了します。"_qs);
}

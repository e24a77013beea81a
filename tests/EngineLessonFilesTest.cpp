// Lesson files are read, and written, only inside the lesson folder.
#include "support/LessonFixture.h"

#include <QFile>

namespace {

struct LessonFiles : LessonFixture {
    void expectBackAtTheMenu(const QString& message) {
        EXPECT_EQ(messages.shown, QStringList{message});
        EXPECT_FALSE(mk.windows.isLoaded(u"Marokey"_qs));
        EXPECT_TRUE(visible(u"Menu"_qs));
        messages.shown.clear();
    }
};

const QString kBroken = u"練習ファイルが壊れています。\rMenuに戻ります。"_qs;

} // namespace

TEST_F(LessonFiles, FieldsBecomeLinesBlankLinesCountForNothingAndKindOneIsUpperCased) {
    setLesson(3, {u"一行目"_qs, u""_qs, u"二行目,三行目"_qs, u"   "_qs, u"\"四,行目\""_qs, u""_qs});
    ASSERT_TRUE(open());
    EXPECT_EQ(w()->LessonLines.join(u'|'), u"一行目|二行目|三行目|四,行目"_qs);
    EXPECT_EQ(w()->Z_G.caption, u"4"_qs);
    EXPECT_EQ(w()->M_C.caption, u"13"_qs);
    setLesson(1, {u"abc,Def"_qs});
    reopen();
    EXPECT_EQ(w()->LessonLines.join(u'|'), u"ABC|DEF"_qs);
    setQuestions({u"q1"_qs}, {u"apple"_qs, u""_qs, u"pear"_qs});
    reopen();
    EXPECT_EQ(w()->TotalChars, 9); // every answer, the empty and the unasked ones too
}

TEST_F(LessonFiles, FiveHundredLinesLoadAndAnyFurtherFieldBreaksTheFile) {
    QStringList lines(500, u"1"_qs);
    setLesson(3, lines);
    ASSERT_TRUE(open());
    EXPECT_EQ(w()->LineCount, 500);
    setLesson(3, lines << u""_qs);
    reopen();
    expectBackAtTheMenu(kBroken);
}

TEST_F(LessonFiles, MissingFilesAndNamesOutOfTheLessonFolderSendThePupilBackToTheMenu) {
    folder.writeText(u"secret.txt"_qs, u"outside\r\n"_qs);
    const QString outside[] = {u"nowhere.txt"_qs, u"../secret.txt"_qs, u"..\\secret.txt"_qs,
                               folder.root() + u"secret.txt"_qs};
    for (const QString& name : outside) {
        SCOPED_TRACE(name.toStdString());
        setLesson(3, {u"a"_qs});
        mk.LessonFile[0] = name;
        EXPECT_FALSE(open());
        expectBackAtTheMenu(kBroken);
        setQuestions({u"q1"_qs}, {u"a1"_qs});
        mk.LessonFile2[0] = name;
        EXPECT_FALSE(open());
        expectBackAtTheMenu(u"問題ファイル（解答）が壊れています。\rMenuに戻ります。"_qs);
    }
}

TEST_F(LessonFiles, ANumberRecipeWritesItsLessonAndNamesIt) {
    setLesson(4, {});
    mk.LessonFile[0] = u"030020"_qs; // 20 lines of 3 digits
    random.values = {0.0, 0.5, 0.999999};
    ASSERT_TRUE(open());
    EXPECT_EQ(mk.LessonFile[0], u"Seisei.txt"_qs);
    EXPECT_EQ(folder.read(u"MKLesson/Seisei.txt"_qs),
              QByteArray("100\r\n550\r\n999\r\n").repeated(7).first(100));
    EXPECT_EQ(w()->TotalChars, 60);
}

TEST_F(LessonFiles, ANumberLessonIsNotWrittenThroughALinkOutOfTheFolder) {
    folder.write(u"outside.txt"_qs, "keep\r\n");
    ASSERT_TRUE(
        QFile::link(folder.root() + u"outside.txt"_qs, folder.lessons() + u"Seisei.txt"_qs));
    setLesson(4, {});
    mk.LessonFile[0] = u"030020"_qs;
    EXPECT_FALSE(open());
    expectBackAtTheMenu(kBroken);
    EXPECT_EQ(folder.read(u"outside.txt"_qs), "keep\r\n");
}

TEST_F(LessonFiles, ALessonWithoutLinesEndsAtTheFirstKey) {
    setLesson(2, {u""_qs, u"  "_qs});
    ASSERT_TRUE(open());
    EXPECT_TRUE(messages.shown.isEmpty());
    press(13);
    expectBackAtTheMenu(u"Lessonが存在しないため終了します。"_qs);
}

// Lesson files stay in the lesson folder, and text typed through an input
// method meets the lesson text in the code page's form.
#include "support/LessonFixture.h"

#include <QFile>

namespace {

struct LessonBounds : LessonFixture {
    void expectBackAtTheMenu(const QString& message) {
        EXPECT_EQ(messages.shown.value(0), message);
        EXPECT_FALSE(mk.windows.isLoaded(u"Marokey"_qs));
        EXPECT_TRUE(visible(u"Menu"_qs));
    }
};

const QString kBroken = u"練習ファイルが壊れています。\rMenuに戻ります。"_qs;

} // namespace

TEST_F(LessonBounds, ACatalogueNameOutOfTheLessonFolderIsAMissingFile) {
    folder.writeText(u"secret.txt"_qs, u"outside\r\n"_qs);
    for (const QString& name :
         {u"../secret.txt"_qs, u"..\\secret.txt"_qs, folder.root() + u"secret.txt"_qs}) {
        SCOPED_TRACE(name.toStdString());
        messages.shown.clear();
        setLesson(3, {u"a"_qs});
        mk.LessonFile[0] = name;
        EXPECT_FALSE(open());
        expectBackAtTheMenu(kBroken);
    }
    setQuestions({u"q1"_qs}, {u"a1"_qs});
    mk.LessonFile2[0] = u"../secret.txt"_qs;
    messages.shown.clear();
    EXPECT_FALSE(open());
    expectBackAtTheMenu(u"問題ファイル（解答）が壊れています。\rMenuに戻ります。"_qs);
}

TEST_F(LessonBounds, ANumberLessonIsNotWrittenThroughALinkOutOfTheFolder) {
    folder.write(u"outside.txt"_qs, "keep\r\n");
    ASSERT_TRUE(
        QFile::link(folder.root() + u"outside.txt"_qs, folder.lessons() + u"Seisei.txt"_qs));
    setLesson(4, {});
    mk.LessonFile[0] = u"030020"_qs;
    EXPECT_FALSE(open());
    expectBackAtTheMenu(kBroken);
    EXPECT_EQ(folder.read(u"outside.txt"_qs), "keep\r\n");
}

TEST_F(LessonBounds, AWaveDashTypedOnLinuxMatchesTheLessonsWaveDash) {
    // As the code page decodes them: U+FF5E and U+FF0D.
    setLesson(3, {u"１\uFF5E１０まで"_qs, u"\uFF0D５℃"_qs});
    Marokey* m = open();
    enter();
    submit(u"１\u301C１０まで"_qs); // as the input method types them
    EXPECT_EQ(m->Miss.caption, u"0"_qs);
    submit(u"\u2212５℃"_qs);
    EXPECT_EQ(m->Phase, LessonWindow::Shown);

    setQuestions({u"波の記号は？"_qs}, {u"\uFF5E"_qs});
    reopen();
    enter();
    submit(u"\u301C"_qs);
    EXPECT_EQ(w()->Miss.caption, u"0"_qs);
    EXPECT_EQ(w()->Phase, LessonWindow::Shown);
}

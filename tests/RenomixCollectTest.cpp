#include "logon/HistoryFile.h"
#include "support/FileBytes.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "teacher/FolderWalk.h"
#include "teacher/Renomix.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString under(const QString& root, const QString& path) {
    return QDir(root).relativeFilePath(path);
}

// A tree below root, files named by their relative path.
void lay(const QString& root, const QStringList& files) {
    for (const QString& f : files) {
        QDir().mkpath(QFileInfo(root + u'/' + f).path());
        putFile(root + u'/' + f, f.toUtf8());
    }
}

TEST(FolderWalk, DepthFirstRootLastSkippingCollectionsShortcutsHiddenAndLinks) {
    QTemporaryDir dir;
    const QString root = dir.path();
    lay(root, {u"a/x.mkd"_qs, u"a/b/y.mkd"_qs, u"c/z.mkd"_qs, u"RX_Files/old.mkd"_qs,
               u"s.url/w.mkd"_qs, u".hidden/h.mkd"_qs, u"top.mkd"_qs});
    ASSERT_TRUE(QFile::link(root, root + u"/a/loop"_qs)); // would never end if followed
    int steps = 0;
    QList<folderwalk::Problem> problems;
    const QStringList found = folderwalk::folders(
        root, {[&] { ++steps; }, [&](folderwalk::Problem p) { problems << p; }});
    QStringList relative;
    for (const QString& f : found)
        relative << under(root, f);
    EXPECT_EQ(relative, (QStringList{u"a"_qs, u"a/b"_qs, u"c"_qs, u"."_qs}));
    EXPECT_TRUE(problems.isEmpty());
    EXPECT_GT(steps, 0);
    EXPECT_EQ(folderwalk::flatName(root, root + u"/a/b/y.mkd"_qs), u"a&b&y.mkd"_qs);
    EXPECT_EQ(folderwalk::flatName(root, root + u"/top.mkd"_qs), u"top.mkd"_qs);
}

TEST(FolderWalk, AFlatNameTooLongForOneFileNameEndsTheWalkOfItsFolder) {
    QTemporaryDir dir;
    const QString root = dir.path();
    // Each folder name fits; the two joined with "&" do not.
    const QString deep = QString(200, u'd') + u'/' + QString(100, u'e');
    lay(root, {deep + u"/f.mkd"_qs, u"z/ok.mkd"_qs});
    QList<folderwalk::Problem> problems;
    const QStringList found =
        folderwalk::folders(root, {{}, [&](folderwalk::Problem p) { problems << p; }});
    EXPECT_EQ(problems, QList{folderwalk::Problem::NameTooLong});
    EXPECT_EQ(found.size(), 3);                                 // the long folder, "z" and the root
    EXPECT_FALSE(folderwalk::fitsFileName(QString(86, u'山'))); // 258 bytes
    EXPECT_TRUE(folderwalk::fitsFileName(QString(85, u'山')));
}

HistoryRecord pupil(const QString& name, quint8 grade, quint8 classNo, quint8 number) {
    HistoryRecord r;
    r.name = name;
    r.grade = grade;
    r.classNo = classNo;
    r.pupilNo = number;
    r.scores(0, 0) = 42;
    return r;
}

struct Collecting : ::testing::Test {
    ProgramFolder folder;
    TestProgram p{folder.root()};
    Renomix w{p.mk};
    QTemporaryDir school;

    Collecting() {
        p.mk.LessonTitle[0] = u"ホームポジション"_qs;
        w.Form_Load();
        put(u"3-1/taro.mkd"_qs, pupil(u"山田太郎"_qs, 3, 1, 5));
        put(u"3-2/hana.mkd"_qs, pupil(u"花子"_qs, 3, 2, 7));
        lay(school.path(), {u"3-1/notes.txt"_qs});
    }
    void put(const QString& relative, const HistoryRecord& r) {
        QDir().mkpath(QFileInfo(school.filePath(relative)).path());
        putFile(school.filePath(relative), writeHistory(r));
    }
    void run(std::initializer_list<MessageAnswer> answers = {}) {
        for (MessageAnswer a : answers)
            p.messages.answer(a);
        w.Dir1.caption = school.path();
        w.Dir1_Change();
        w.MKDCollect_Click();
    }
    QStringList collected() const {
        return QDir(folder.root() + u"RX_Files"_qs).entryList(QDir::Files, QDir::Name);
    }
};

TEST_F(Collecting, CopiesEveryHistoryFileAndWritesOneTablePerPupil) {
    run();
    EXPECT_EQ(p.messages.shown, QStringList{u"正常終了しました"_qs});
    const QStringList files = collected();
    for (const QString& expected : {u"3-1&taro.mkd"_qs, u"3-2&hana.mkd"_qs,
                                    u"3年01組05番　山田太郎.csv"_qs, u"3年02組07番　花子.csv"_qs})
        EXPECT_TRUE(files.contains(expected)) << expected.toStdString();
    EXPECT_FALSE(files.contains(u"3-1&notes.txt"_qs));
    // Back to the program folder and every file, ready for the next job.
    EXPECT_EQ(w.Dir1.caption, QDir::cleanPath(folder.root()));
    EXPECT_EQ(w.pattern, u"*.*"_qs);
    EXPECT_EQ(w.action, Renomix::kFileNameUp);
    EXPECT_EQ(w.ProgressBar3.value, 0);
}

TEST_F(Collecting, ASecondRunAsksBeforeReplacingEachTable) {
    run();
    const QString table = folder.root() + u"RX_Files/3年01組05番　山田太郎.csv"_qs;
    putFile(table, "kept");
    p.messages.shown.clear();
    // Listing order: taro's table is asked about first, then hana's, then the overviews.
    run({MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes});
    ASSERT_EQ(p.messages.shown.size(), 5);
    EXPECT_EQ(p.messages.shown[0], u"正常終了しました"_qs);
    EXPECT_TRUE(p.messages.shown[1].startsWith(u"3年01組05番　山田太郎.csv"_qs));
    EXPECT_TRUE(p.messages.shown[2].startsWith(u"3年02組07番　花子.csv"_qs));
    EXPECT_EQ(fileBytes(table), "kept");
}

TEST_F(Collecting, APupilWhoseNameCannotBeAFileNameIsReportedAndTheRestGoOn) {
    put(u"3-1/bad.mkd"_qs, pupil(u"a/b"_qs, 3, 1, 9));
    run();
    ASSERT_EQ(p.messages.shown.size(), 2);
    EXPECT_TRUE(p.messages.shown[1].contains(u"3-1&bad.mkd"_qs));
    EXPECT_TRUE(p.messages.shown[1].endsWith(u"正常終了できませんでした"_qs));
    EXPECT_TRUE(collected().contains(u"3年02組07番　花子.csv"_qs));
}

} // namespace

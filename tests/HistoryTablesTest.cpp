#include "teacher/HistoryTables.h"

#include "core/Cp932.h"
#include "logon/HistoryFile.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace historytables;

namespace {

const QString kGolden = QStringLiteral(MK_HISTORY_TABLE_DATA "/3年02組05番　山田　太郎.csv");

// A history file as the log-on window leaves it: name field padded with spaces.
QByteArray historyBytes(const QString& name, int grade, int classNo, int pupilNo,
                        const ScoreTable& s = {}) {
    QByteArray field = cp932::encode(name);
    field.append(30 - field.size(), ' ');
    QByteArray out(reinterpret_cast<const char*>(s.bytes().data()), ScoreTable::kBytes);
    return out + field + QByteArray(60, ' ') + char(grade) + char(classNo) + char(pupilNo);
}

Pupil pupil(const QString& nameField, quint8 grade, quint8 classNo, quint8 pupilNo) {
    Pupil p;
    p.nameField = nameField;
    p.grade = grade;
    p.classNo = classNo;
    p.pupilNo = pupilNo;
    return p;
}

// Scores and titles that show every rule of the table: trailing spaces in a
// title, empty titles, the last row, and slot 100 and lesson 1000 left out.
ScoreTable craftedScores() {
    ScoreTable s;
    for (int lesson = 0; lesson < 5; ++lesson)
        for (int slot = 0; slot < 100; ++slot)
            s(lesson, slot) = quint8((lesson * 7 + slot * 3) % 101);
    for (int slot = 0; slot < 100; ++slot)
        s(999, slot) = quint8(slot);
    for (int lesson = 0; lesson < ScoreTable::kLessons; ++lesson)
        s(lesson, 100) = 200;
    for (int slot = 0; slot < ScoreTable::kSlots; ++slot)
        s(1000, slot) = 222;
    return s;
}

Titles craftedTitles() {
    Titles t;
    t[0] = QStringLiteral("ホームポジション");
    t[1] = QStringLiteral("Ａ行  ");
    t[3] = QStringLiteral("数字 1-9");
    t[4] = QStringLiteral("英単語");
    t[999] = QStringLiteral("最後");
    t[1000] = QStringLiteral("表に出ない");
    return t;
}

QString question(const QString& fileName) {
    return fileName +
           QStringLiteral("\rと同名のファイルが存在します。\r上書きしてよろしいですか？");
}

struct Collection : ::testing::Test {
    QTemporaryDir dir;
    QStringList asked;
    bool answer = false;

    QString at(const QString& name) const { return dir.filePath(name); }
    void put(const QString& file, const QByteArray& bytes) { putFile(at(file), bytes); }
    Report run(const Titles& titles = {}) {
        return convertCollection(dir.path(), titles,
                                 [this](const QString& q) {
                                     asked << q;
                                     return answer;
                                 },
                                 {});
    }
};

} // namespace

TEST(HistoryTable, MatchesTheGoldenBytes) {
    QTemporaryDir dir;
    putFile(dir.filePath(u"taro.mkd"_qs), historyBytes(u"山田　太郎"_qs, 3, 2, 5, craftedScores()));
    const std::optional<Pupil> p = readPupil(dir.filePath(u"taro.mkd"_qs));
    ASSERT_TRUE(p);
    const QByteArray golden = fileBytes(kGolden);
    EXPECT_EQ(table(*p, craftedTitles()), golden);
    // The parts a reader of the golden file checks first.
    const QList<QByteArray> lines = golden.split('\n');
    ASSERT_EQ(lines.size(), 1004); // the last CR LF leaves an empty piece
    EXPECT_EQ(lines[0], cp932::encode(u"3,\"年\",2,\"組\",5,\"番\",\"氏名\",\"山田　太郎\"\r"_qs));
    EXPECT_EQ(lines[1], "\r");
    EXPECT_TRUE(lines[2].startsWith(cp932::encode(u",\"1回前\",\"2回前\","_qs)));
    EXPECT_TRUE(lines[2].endsWith(cp932::encode(u",\"100回前\",\r"_qs)));
    EXPECT_EQ(lines[4],
              cp932::encode(u"\"Ａ行  \",7,10,13,"_qs) + lines[4].mid(lines[4].indexOf("13,") + 3));
    EXPECT_TRUE(lines[1002].endsWith(",97,98,99,\r"));
    EXPECT_EQ(golden.count("200"), 0) << "slot 100 is not written";
    EXPECT_EQ(golden.count("222"), 0) << "lesson 1000 is not written";
    EXPECT_EQ(golden.count("\r\n"), 1003);
}

TEST(HistoryTable, FileNamesAndAnAllSpaceName) {
    EXPECT_EQ(tableName(pupil(u"山田太郎      "_qs, 3, 2, 5)), u"3年02組05番　山田太郎.csv"_qs);
    EXPECT_EQ(tableName(pupil(u"たろう"_qs, 1, 10, 3)), u"1年10組03番　たろう.csv"_qs);
    EXPECT_EQ(tableName(pupil(u"たろう"_qs, 12, 100, 123)), u"12年100組123番　たろう.csv"_qs);
    EXPECT_EQ(tableName(pupil(QString(30, u' '), 1, 1, 1)), u"1年01組01番　.csv"_qs);
    EXPECT_EQ(tableName(pupil(u"山田 太郎"_qs, 1, 1, 1)), u"1年01組01番　山田 太郎.csv"_qs);
    for (const QString& unsafe : {u"../x"_qs, u"a\\b"_qs, u"a:b"_qs, u"a*"_qs, u"taro."_qs})
        EXPECT_FALSE(tableName(pupil(unsafe, 1, 1, 1))) << unsafe.toStdString();
    // An all-space name leaves the name cell empty too.
    EXPECT_TRUE(
        table(pupil(QString(30, u' '), 1, 1, 1), {})
            .startsWith(cp932::encode(u"1,\"年\",1,\"組\",1,\"番\",\"氏名\",\"\"\r\n\r\n"_qs)));
}

TEST_F(Collection, AnExistingTableIsReplacedOnlyOnYes) {
    put(u"taro.mkd"_qs, historyBytes(u"太郎"_qs, 1, 10, 3));
    const QString name = u"1年10組03番　太郎.csv"_qs;
    put(name, "old");
    put(u"1年10組　一覧.csv"_qs, "old overview");

    Report r = run();
    EXPECT_EQ(asked, QStringList({question(name), question(u"1年10組　一覧.csv"_qs)}));
    EXPECT_EQ(r.declined, 2);
    EXPECT_EQ(r.written, 0);
    EXPECT_EQ(fileBytes(at(name)), "old");

    asked.clear();
    answer = true;
    r = run();
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(r.written, 2);
    EXPECT_TRUE(fileBytes(at(name)).startsWith("1,"));
}

TEST_F(Collection, TwoFilesOfOnePupilAskBeforeTheSecondReplacesTheFirst) {
    put(u"a.mkd"_qs, historyBytes(u"太郎"_qs, 1, 1, 1));
    put(u"b.mkd"_qs, historyBytes(u"太郎"_qs, 1, 1, 1));
    const Report r = run();
    EXPECT_EQ(asked, QStringList({question(u"1年01組01番　太郎.csv"_qs)}));
    EXPECT_EQ(r.written, 2); // the first table and the overview
    EXPECT_EQ(r.declined, 1);
}

TEST_F(Collection, UnsafeNamesAndDamagedFilesAreReportedAndSkipped) {
    put(u"a.mkd"_qs, historyBytes(u"../../x"_qs, 1, 1, 1));
    put(u"b.mkd"_qs, historyBytes(u"花子"_qs, 1, 1, 2));
    put(u"c.mkd"_qs, "too short");
    const Report r = run();
    ASSERT_EQ(r.failures.size(), 2);
    EXPECT_TRUE(r.failures[0].startsWith(u"a.mkd"_qs));
    EXPECT_TRUE(r.failures[1].startsWith(u"c.mkd"_qs));
    EXPECT_EQ(r.written, 2);
    EXPECT_TRUE(QFile::exists(at(u"1年01組02番　花子.csv"_qs)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 5) << "nothing else, nothing outside";
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(Collection, AFailedWriteIsReportedAndTheRunGoesOn) {
    put(u"a.mkd"_qs, historyBytes(u"太郎"_qs, 1, 1, 1));
    put(u"b.mkd"_qs, historyBytes(u"花子"_qs, 1, 1, 2));
    // A folder in the table's place: it exists, so the teacher is asked, and it cannot be replaced.
    QDir(dir.path()).mkdir(u"1年01組01番　太郎.csv"_qs);
    answer = true;
    const Report r = run();
    ASSERT_EQ(r.failures.size(), 1);
    EXPECT_TRUE(r.failures[0].startsWith(u"1年01組01番　太郎.csv"_qs));
    EXPECT_EQ(r.written, 2);
}

TEST(ClassOverview, ThreePupilsInNumberOrder) {
    Titles titles;
    titles[0] = QStringLiteral("ホーム");
    titles[1] = QStringLiteral("\"引用\"");
    std::vector<Pupil> pupils{pupil(u"三郎  "_qs, 2, 1, 12), pupil(u"一郎"_qs, 2, 1, 3),
                              pupil(QString(30, u' '), 2, 1, 7)};
    pupils[0].scores(0, 0) = 50;
    pupils[0].scores(0, 99) = 30;
    pupils[0].scores(1000, 5) = 9;
    pupils[1].scores(1, 1) = 100;
    pupils[0].scores(2, 100) = 60; // slot 100 is no score
    const QByteArray expected =
        cp932::encode(u"\"番号\",\"氏名\",\"総経験値\",\"練習したLesson数\",\"ホーム\","
                      u"\"\"\"引用\"\"\",\"(1000)\"\r\n"
                      "3,\"一郎\",100,1,0,100,0\r\n"
                      "7,\"\",0,0,0,0,0\r\n"
                      "12,\"三郎\",89,2,80,0,9\r\n"_qs);
    EXPECT_EQ(overview(pupils, titles), expected);
    EXPECT_EQ(overviewName(2, 1), u"2年01組　一覧.csv"_qs);
}

TEST_F(Collection, WritesATablePerPupilAndAnOverviewPerClassInNumberOrder) {
    put(u"taro.mkd"_qs, historyBytes(u"山田　太郎"_qs, 3, 2, 5, craftedScores()));
    put(u"a.mkd"_qs, historyBytes(u"太郎"_qs, 1, 1, 2));
    put(u"b.mkd"_qs, historyBytes(u"花子"_qs, 1, 2, 1));
    put(u"c.mkd"_qs, historyBytes(u"次郎"_qs, 1, 1, 1));
    put(u"d.mkd"_qs, historyBytes(u"三郎"_qs, 2, 1, 1));
    int calls = 0;
    const Report r = convertCollection(dir.path(), craftedTitles(), {}, [&](int, int total) {
        ++calls;
        EXPECT_EQ(total, 5);
    });
    EXPECT_EQ(r.written, 9);
    EXPECT_TRUE(r.failures.isEmpty()) << r.failures.join(u'\n').toStdString();
    EXPECT_GE(calls, 1);
    EXPECT_EQ(fileBytes(at(u"3年02組05番　山田　太郎.csv"_qs)), fileBytes(kGolden));
    const QByteArray one = fileBytes(at(u"1年01組　一覧.csv"_qs));
    EXPECT_EQ(one.count("\r\n"), 3);
    EXPECT_LT(one.indexOf(cp932::encode(u"次郎"_qs)), one.indexOf(cp932::encode(u"太郎"_qs)));
    for (const QString& other : {u"1年02組"_qs, u"2年01組"_qs, u"3年02組"_qs})
        EXPECT_TRUE(QFile::exists(at(other + u"　一覧.csv"_qs))) << other.toStdString();
}

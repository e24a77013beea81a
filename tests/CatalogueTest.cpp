#include "core/Catalogue.h"

#include "core/KeyTables.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

const QString kBrokenCatalogue = u"Lesson_List.txtが壊れています。\rＭＫを強制終了します。"_qs;
const QString kBrokenKeys = u"KEY_DEFINE.DATが壊れています。\rＭＫを強制終了します。"_qs;

QByteArray records(int first, int count) {
    QByteArray out;
    for (int i = first; i < first + count; ++i)
        out += writeCatalogueRecord({u"課題%1"_qs.arg(i), u"f%1.txt"_qs.arg(i), u"1"_qs, 2, 1.5f});
    return out;
}

struct Loaded {
    ProgramFolder folder;
    std::unique_ptr<TestProgram> program;
    bool ok = false;

    Loaded(const QByteArray& list, const std::optional<QByteArray>& add) {
        folder.fillWithMinimalProgram();
        folder.write(u"MKLesson/Lesson_List.txt"_qs, list);
        if (add)
            folder.write(u"MKLesson/Lesson_List.Add.txt"_qs, *add);
        else
            folder.remove(u"MKLesson/Lesson_List.Add.txt"_qs);
        program = std::make_unique<TestProgram>(folder.root());
        program->mk.DefaultDataFolder = folder.data();
        program->mk.DefaultLessonFolder = folder.lessons();
        program->mk.LessonFolder = folder.lessons();
        ok = LoadCatalogueAndKeys(program->mk);
    }
    MkMain& mk() { return program->mk; }
    QStringList shown() { return program->messages.shown; }
};

} // namespace

TEST(Catalogue, BothFilesFillTheTablesInOrder) {
    Loaded l(records(0, 2), records(2, 1));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.mk().LastLessonIndex, 2);
    EXPECT_EQ(l.mk().LessonTitle[2], u"課題2"_qs);
    EXPECT_EQ(l.mk().LessonFile[1], u"f1.txt"_qs);
    EXPECT_EQ(l.mk().LessonFile2[0], u"1"_qs);
    EXPECT_EQ(l.mk().LessonKind[0], 2);
    EXPECT_EQ(l.mk().LessonFactor[0], 1.5f);
    EXPECT_TRUE(l.shown().isEmpty());
}

TEST(Catalogue, EmptyAdditionsAndEmptyCatalogue) {
    Loaded l(records(0, 3), QByteArray());
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.mk().LastLessonIndex, 2);
    Loaded none{QByteArray(), QByteArray()};
    ASSERT_TRUE(none.ok);
    EXPECT_EQ(none.mk().LastLessonIndex, -1);
}

TEST(Catalogue, ExactlyOneThousandAndOneRecordsLoad) {
    Loaded l(records(0, 1000), records(1000, 1));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.mk().LastLessonIndex, 1000);
    EXPECT_EQ(l.mk().LessonTitle[1000], u"課題1000"_qs);
}

TEST(Catalogue, FailuresShowTheFolderThenTheMessageAndEnd) {
    const std::vector<std::pair<QByteArray, std::optional<QByteArray>>> cases = {
        {records(0, 1000), records(1000, 2)},      // a 1002nd record
        {records(0, 1), std::nullopt},             // additions missing
        {"\"t\",\"f\",\"1\",1\r\n", QByteArray()}, // cut short
        {"\"t\",\"f\",\"1\",256,1\r\n", QByteArray()},
        {"\"t\",\"f\",\"1\",1,x\r\n", QByteArray()},
        {records(0, 1), "\"t\",\"f\",\"1\",-1,1\r\n"},
    };
    for (const auto& [list, add] : cases) {
        Loaded l(list, add);
        EXPECT_FALSE(l.ok);
        ASSERT_EQ(l.shown().size(), 2);
        EXPECT_EQ(l.shown()[0], l.folder.lessons());
        EXPECT_EQ(l.shown()[1], kBrokenCatalogue);
        EXPECT_TRUE(l.mk().windows.ended());
    }
}

TEST(Catalogue, KindsOutsideTheTabsStillLoad) {
    Loaded l("\"t\",\"f\",\"1\",0,1\r\n\"u\",\"g\",\"1\",9,0.5\r\n", QByteArray());
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.mk().LessonKind[0], 0);
    EXPECT_EQ(l.mk().LessonKind[1], 9);
}

TEST(KeyDefinitions, TablesAreReadInFileOrder) {
    QByteArray bytes(381, '\0');
    bytes[65] = 30;      // label of "A"
    bytes[127 + 65] = 0; // finger
    bytes[254 + 65] = 1; // right Shift
    bytes[127 + 97] = 7; // finger of "a"
    Loaded l(records(0, 1), QByteArray());
    l.folder.write(u"MKData/KEY_DEFINE.DAT"_qs, bytes);
    TestProgram p(l.folder.root());
    p.mk.DefaultDataFolder = l.folder.data();
    p.mk.LessonFolder = l.folder.lessons();
    ASSERT_TRUE(LoadCatalogueAndKeys(p.mk));
    EXPECT_EQ(p.mk.KeyLabelIndex[65], 30);
    EXPECT_EQ(p.mk.KeyShift[65], 1);
    EXPECT_EQ(p.mk.KeyFinger[97], 7);
    EXPECT_EQ(writeKeyDefine(readKeyDefine(bytes).value()), bytes);
}

TEST(KeyDefinitions, MissingOrShortFileEndsAfterTheCatalogueIsRead) {
    for (const std::optional<QByteArray>& keys :
         {std::optional<QByteArray>(), std::optional<QByteArray>(QByteArray(380, 1))}) {
        ProgramFolder folder;
        folder.fillWithMinimalProgram();
        if (keys)
            folder.write(u"MKData/KEY_DEFINE.DAT"_qs, *keys);
        else
            folder.remove(u"MKData/KEY_DEFINE.DAT"_qs);
        TestProgram p(folder.root());
        p.mk.DefaultDataFolder = folder.data();
        p.mk.LessonFolder = folder.lessons();
        EXPECT_FALSE(LoadCatalogueAndKeys(p.mk));
        EXPECT_EQ(p.messages.shown, QStringList{kBrokenKeys});
        EXPECT_EQ(p.mk.LastLessonIndex, 0);
        EXPECT_TRUE(p.mk.windows.ended());
    }
}

TEST(Catalogue, ScoresAreClearedFirst) {
    ProgramFolder folder;
    folder.fillWithMinimalProgram();
    TestProgram p(folder.root());
    p.mk.ScoreHistory(1000, 100) = 9;
    p.mk.DefaultDataFolder = folder.data();
    p.mk.LessonFolder = folder.lessons();
    ASSERT_TRUE(LoadCatalogueAndKeys(p.mk));
    EXPECT_EQ(p.mk.ScoreHistory(1000, 100), 0);
}

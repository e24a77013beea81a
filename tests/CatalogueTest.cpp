#include "core/Catalogue.h"

#include "core/KeyTables.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"

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

// A minimal program whose catalogue files the test may replace; no additions file
// when `add` is empty.
struct Loaded {
    ProgramFolder folder;
    std::unique_ptr<TestProgram> program;

    Loaded(const std::optional<QByteArray>& list = {},
           const std::optional<QByteArray>& add = QByteArray()) {
        folder.fillWithMinimalProgram();
        if (list) folder.write(u"MKLesson/Lesson_List.txt"_qs, *list);
        if (add)
            folder.write(u"MKLesson/Lesson_List.Add.txt"_qs, *add);
        else
            folder.remove(u"MKLesson/Lesson_List.Add.txt"_qs);
        program = std::make_unique<TestProgram>(folder.root());
        mk().DefaultDataFolder = folder.data();
        mk().DefaultLessonFolder = folder.lessons();
        mk().LessonFolder = folder.lessons();
    }
    bool load() { return LoadCatalogueAndKeys(mk()); }
    MkMain& mk() { return program->mk; }
    QStringList shown() { return program->messages.shown; }
};

} // namespace

TEST(Catalogue, BothFilesFillTheTablesInOrderOverClearedScores) {
    // Kinds outside the tabs load like any other.
    Loaded l(records(0, 2) + "\"t\",\"f\",\"1\",0,1\r\n", "\"u\",\"g\",\"1\",9,0.5\r\n");
    l.mk().ScoreHistory(1000, 100) = 9;
    ASSERT_TRUE(l.load());
    EXPECT_EQ(l.mk().LastLessonIndex, 3);
    EXPECT_EQ(l.mk().LessonTitle[3], u"u"_qs);
    EXPECT_EQ(l.mk().LessonFile[1], u"f1.txt"_qs);
    EXPECT_EQ(l.mk().LessonFile2[0], u"1"_qs);
    EXPECT_EQ((std::vector<int>{l.mk().LessonKind[0], l.mk().LessonKind[2], l.mk().LessonKind[3]}),
              (std::vector<int>{2, 0, 9}));
    EXPECT_EQ(l.mk().LessonFactor[0], 1.5f);
    EXPECT_EQ(l.mk().ScoreHistory(1000, 100), 0);
    EXPECT_TRUE(l.shown().isEmpty());
}

TEST(Catalogue, LoadsFromNoneUpToExactlyOneThousandAndOneRecords) {
    const std::tuple<QByteArray, QByteArray, int> cases[] = {
        {records(0, 3), QByteArray(), 2},
        {QByteArray(), QByteArray(), -1},
        {records(0, 1000), records(1000, 1), 1000},
    };
    for (const auto& [list, add, last] : cases) {
        Loaded l(list, add);
        ASSERT_TRUE(l.load()) << last;
        EXPECT_EQ(l.mk().LastLessonIndex, last);
        if (last >= 0) {
            EXPECT_EQ(l.mk().LessonTitle[last], u"課題%1"_qs.arg(last));
        }
    }
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
        EXPECT_FALSE(l.load());
        EXPECT_EQ(l.shown(), (QStringList{l.folder.lessons(), kBrokenCatalogue}));
        EXPECT_TRUE(l.mk().windows.ended());
    }
}

TEST(KeyDefinitions, TablesAreReadInFileOrder) {
    QByteArray bytes(381, '\0');
    bytes[65] = 30;      // label of "A"
    bytes[127 + 65] = 0; // finger
    bytes[254 + 65] = 1; // right Shift
    bytes[127 + 97] = 7; // finger of "a"
    Loaded l;
    l.folder.write(u"MKData/KEY_DEFINE.DAT"_qs, bytes);
    ASSERT_TRUE(l.load());
    EXPECT_EQ(l.mk().KeyLabelIndex[65], 30);
    EXPECT_EQ(l.mk().KeyShift[65], 1);
    EXPECT_EQ(l.mk().KeyFinger[97], 7);
    EXPECT_EQ(writeKeyDefine(readKeyDefine(bytes).value()), bytes);
}

TEST(KeyDefinitions, MissingOrShortFileEndsAfterTheCatalogueIsRead) {
    for (const bool missing : {true, false}) {
        Loaded l;
        if (missing)
            l.folder.remove(u"MKData/KEY_DEFINE.DAT"_qs);
        else
            l.folder.write(u"MKData/KEY_DEFINE.DAT"_qs, QByteArray(380, 1));
        EXPECT_FALSE(l.load());
        EXPECT_EQ(l.shown(), QStringList{kBrokenKeys});
        EXPECT_EQ(l.mk().LastLessonIndex, 0);
        EXPECT_TRUE(l.mk().windows.ended());
    }
}

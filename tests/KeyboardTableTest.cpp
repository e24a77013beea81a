#include "tools/KeyboardTable.h"

#include "core/KeyTables.h"
#include "core/TextField.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

const QString kDataDir = QStringLiteral(MK_PROGRAM_DIR "/MKData/");

} // namespace

TEST(KeyDefineFile, GivesEveryPrintableCharacterAKeyOfItsOwnTheRightFingerAndShift) {
    const Result<KeyTables> read = readKeyDefine(kDataDir + u"KEY_DEFINE.DAT"_qs);
    ASSERT_TRUE(read.ok());
    const KeyTables& t = read.value();
    // Character, key, finger and Shift (1 right, 2 left).
    const std::array<int, 4> cases[] = {
        {'a', 30, 0, 0}, {'A', 30, 0, 1}, {'J', 36, 4, 2},  {'@', 26, 7, 0},  {'*', 40, 7, 2},
        {' ', 59, 8, 0}, {'!', 1, 0, 1},  {'\r', 28, 7, 0}, {'\\', 53, 7, 0}, {'_', 53, 7, 2}};
    for (const auto& c : cases)
        EXPECT_EQ((std::array<int, 4>{c[0], t.labelIndex[c[0]], t.finger[c[0]], t.shift[c[0]]}), c);
    std::set<std::pair<int, bool>> used;
    for (int c = 32; c <= 126; ++c) {
        EXPECT_LT(t.labelIndex[c], keyboard::kKeys) << c;
        EXPECT_LT(t.finger[c], keyboard::kFingers) << c;
        // A key types one character plain and one shifted, never two.
        EXPECT_TRUE(used.insert({t.labelIndex[c], t.shift[c] != 0}).second) << c;
    }
}

TEST(AdminFile, HoldsTheUnlockedPair) {
    QFile file(kDataDir + u"Admin.MK"_qs);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              textfield::pack(u"quorvenda"_qs) + textfield::pack(u"gatewardenkey"_qs));
}

TEST(KeyboardTable, RefusesBadTablesNamingTheLine) {
    const std::pair<QString, QString> bad[] = {
        {u"30 0 a A\n31 1 a S\n"_qs, u"line 2: \"a\" is already typed on line 1"_qs},
        {u"30 0 a A\n30 1 s S\n"_qs, u"line 2: key 30 is already on line 1"_qs},
        {u"66 0 a A\n"_qs, u"line 1: key 66"_qs},
        {u"30 9 a A\n"_qs, u"line 1: finger 9"_qs},
        {u"\n30 0 a\n"_qs, u"line 2: expected"_qs},
        {u"30 0 a ¥\n"_qs, u"line 1: character ¥"_qs},
        {u"30 0 a <shift>\n"_qs, u"line 1: unknown character <shift>"_qs},
        {u"59 8 <space> !\n"_qs, u"line 1: a thumb key"_qs},
    };
    for (const auto& [table, message] : bad) {
        const Result<KeyTables> read = keyboard::parseTable(table);
        ASSERT_FALSE(read.ok()) << table.toStdString();
        EXPECT_TRUE(read.error().message.startsWith(message)) << read.error().message.toStdString();
    }
}

TEST(DataTool, RefusesABadTableWithoutWritingAFile) {
    QTemporaryDir dir;
    const QString table = dir.filePath(u"table.txt"_qs), out = dir.filePath(u"MKData/out"_qs);
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("30 0 a A\n31 1 a S\n") > 0);
    file.close();
    EXPECT_GT(QProcess::execute(QStringLiteral(MK_DATATOOL), {u"keydefine"_qs, table, out}), 0);
    EXPECT_FALSE(QFile::exists(out));
}

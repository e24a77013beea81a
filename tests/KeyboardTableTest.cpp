#include "tools/KeyboardTable.h"

#include "core/KeyTables.h"
#include "core/TextField.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

const QString kDataDir = QStringLiteral(MK_PROGRAM_DIR "/MKData/");

QByteArray deliveredFile(const QString& name) {
    QFile file(kDataDir + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Typing {
    char code;
    int key, finger, shift;
};

} // namespace

TEST(KeyDefineFile, TypesTheHomeRowSymbolsAndControlKeysOnTheRightKeys) {
    const QByteArray bytes = deliveredFile(QStringLiteral("KEY_DEFINE.DAT"));
    ASSERT_EQ(bytes.size(), KeyTables::kFileSize);
    const Result<KeyTables> read = readKeyDefine(bytes);
    ASSERT_TRUE(read.ok());
    const KeyTables& t = read.value();
    const Typing cases[] = {
        {'a', 30, 0, 0},  {'A', 30, 0, 1},  {'@', 26, 7, 0}, {'*', 40, 7, 2},  {'_', 53, 7, 2},
        {'J', 36, 4, 2},  {' ', 59, 8, 0},  {'!', 1, 0, 1},  {'\r', 28, 7, 0}, {'\b', 14, 7, 0},
        {'\t', 15, 0, 0}, {'\\', 53, 7, 0}, {'|', 13, 7, 2}, {'"', 2, 1, 1},   {'~', 12, 7, 2},
    };
    for (const Typing& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << int(c.code));
        EXPECT_EQ(t.labelIndex[c.code], c.key);
        EXPECT_EQ(t.finger[c.code], c.finger);
        EXPECT_EQ(t.shift[c.code], c.shift);
    }
}

TEST(KeyDefineFile, CoversPrintableAsciiWithOneKeyAndShiftEach) {
    const Result<KeyTables> read = readKeyDefine(kDataDir + QStringLiteral("KEY_DEFINE.DAT"));
    ASSERT_TRUE(read.ok());
    const KeyTables& t = read.value();
    std::set<std::pair<int, int>> used;
    for (int c = 0; c < KeyTables::kCodes; ++c) {
        SCOPED_TRACE(testing::Message() << "code " << c);
        const bool typed = (c >= 32 && c <= 126) || c == '\b' || c == '\t' || c == '\r';
        if (!typed) {
            EXPECT_EQ(t.labelIndex[c], keyboard::kNoKey);
            EXPECT_EQ(t.finger[c], keyboard::kNoKey);
            EXPECT_EQ(t.shift[c], 0);
            continue;
        }
        EXPECT_LT(t.labelIndex[c], keyboard::kKeys);
        EXPECT_LT(t.finger[c], keyboard::kFingers);
        EXPECT_LE(t.shift[c], KeyTables::kLeftShift);
        // A key types one character plain and one shifted, never two.
        EXPECT_TRUE(used.insert({t.labelIndex[c], t.shift[c] != 0}).second);
    }
    for (int c = 'a'; c <= 'z'; ++c) {
        const int upper = c - 'a' + 'A';
        EXPECT_EQ(t.labelIndex[c], t.labelIndex[upper]) << char(c);
        EXPECT_EQ(t.finger[c], t.finger[upper]) << char(c);
        EXPECT_EQ(t.shift[c], 0) << char(c);
        EXPECT_EQ(t.shift[upper], t.finger[c] < 4 ? KeyTables::kRightShift : KeyTables::kLeftShift)
            << char(c);
    }
}

TEST(AdminFile, HoldsTheUnlockedPair) {
    EXPECT_EQ(deliveredFile(QStringLiteral("Admin.MK")),
              textfield::pack(u"quorvenda"_qs) + textfield::pack(u"gatewardenkey"_qs));
}

TEST(KeyboardTable, ReadsHashAsACharacterOutsideCommentsAndNamedKeys) {
    const Result<KeyTables> read = keyboard::parseTable(u"# 3 2 3 #\n"
                                                        " 3  2  3  #  3 (さ)\r\n"
                                                        "59  8  <space>  <none>\n"_qs);
    ASSERT_TRUE(read.ok()) << read.error().message.toStdString();
    const KeyTables& t = read.value();
    EXPECT_EQ(t.labelIndex['#'], 3);
    EXPECT_EQ(t.shift['#'], KeyTables::kRightShift);
    EXPECT_EQ(t.labelIndex[' '], 59);
    EXPECT_EQ(t.labelIndex['a'], keyboard::kNoKey);
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

TEST(DataTool, FailsOnABadTableOrAnUnstorableAdminWithoutWritingAFile) {
    QTemporaryDir dir;
    const QString table = dir.filePath(QStringLiteral("table.txt"));
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("30 0 a A\n31 1 a S\n");
    file.close();
    const QString out = dir.filePath(QStringLiteral("MKData/out"));

    const QStringList runs[] = {
        {QStringLiteral("keydefine"), table, out},
        {QStringLiteral("admin"), QString(31, u'x'), QStringLiteral("key"), out},
    };
    for (const QStringList& args : runs) {
        QProcess tool;
        tool.start(QStringLiteral(MK_DATATOOL), args);
        ASSERT_TRUE(tool.waitForFinished());
        EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
        EXPECT_NE(tool.exitCode(), 0) << args.join(u' ').toStdString();
        EXPECT_TRUE(tool.readAllStandardError().startsWith("mk_datatool: "));
        EXPECT_FALSE(QFile::exists(out));
    }
}

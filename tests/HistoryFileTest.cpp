#include "logon/HistoryFile.h"

#include "core/Cp932.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

HistoryRecord sample() {
    // 15 double-byte characters fill the name field exactly.
    HistoryRecord r{{}, u"あいうえおかきくけこさしすせそ"_qs, u"taro01"_qs, u"Pw-9x"_qs, 3, 2, 255};
    // Neighbouring bytes differ, so a shifted or dropped byte shows.
    for (int i = 0; i < ScoreTable::kBytes; ++i)
        r.scores.bytes()[i] = quint8(i % 251 + i / 251);
    return r;
}

Result<HistoryRecord> readBack(QByteArray bytes) {
    QBuffer buffer(&bytes);
    return readHistory(buffer);
}

// Accepts `room` bytes in all, then fails as a vanished network drive would.
class FailingDevice final : public QIODevice {
public:
    explicit FailingDevice(qint64 room) : room_(room) { open(WriteOnly | Unbuffered); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 len) override {
        if (len > room_) {
            setErrorString(u"drive lost"_qs);
            return -1;
        }
        room_ -= len;
        return len;
    }

private:
    qint64 room_;
};

// Runs `write` while no file may grow beyond `bytes`, as on a drive that
// fills up; unlike permissions, this stops root too.
template <class Write> auto withFileSizeCap(rlim_t bytes, Write write) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit cap{bytes, old.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &cap);
    auto result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    return result;
}

} // namespace

TEST(HistoryRecord, RoundTripsByteForByteWithFieldsAtTheirOffsets) {
    HistoryRecord r = sample();
    r.scores(1000, 100) = 0xA5;
    r.scores(3, 1) = 0x5A;
    const QByteArray bytes = writeHistory(r);
    ASSERT_EQ(bytes.size(), 101194);
    EXPECT_EQ(quint8(bytes[1000 + 1001 * 100]), 0xA5);
    EXPECT_EQ(quint8(bytes[3 + 1001]), 0x5A);
    EXPECT_EQ(bytes.mid(101101, 30), cp932::encode(r.name));
    EXPECT_EQ(bytes.mid(101131, 30), QByteArray("taro01") + QByteArray(24, ' '));
    EXPECT_EQ(bytes.mid(101161, 30), QByteArray("Pw-9x") + QByteArray(25, ' '));
    EXPECT_EQ(bytes.mid(101191), QByteArray("\x03\x02\xff", 3));

    const auto back = readBack(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back.value().name, r.name);
    EXPECT_EQ(back.value().userId, r.userId);
    EXPECT_EQ(back.value().password, r.password);
    EXPECT_EQ(writeHistory(back.value()), bytes); // every score byte included

    // A short file is damaged; a longer one keeps its tail unread.
    EXPECT_FALSE(readBack(bytes.first(101193)));
    const auto longer = readBack(bytes + "tail");
    ASSERT_TRUE(longer);
    EXPECT_EQ(writeHistory(longer.value()), bytes);
}

TEST(HistoryRecord, ATextFieldEndsAtAHalfWidthSpaceButKeepsAFullWidthOne) {
    const auto back = readBack(writeHistory({{}, u"山田 太郎"_qs, {}, u"ab cd"_qs, 0, 0, 0}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back.value().name, u"山田"_qs);
    EXPECT_EQ(back.value().password, u"ab"_qs);
    HistoryRecord r;
    r.name = u"山田　太郎"_qs;
    const auto fullWidth = readBack(writeHistory(r));
    ASSERT_TRUE(fullWidth);
    EXPECT_EQ(fullWidth.value().name, u"山田　太郎"_qs);
}

TEST(HistoryFile, SavesTheSharedStateWholeOrLeavesTheOldFileAsItWas) {
    ProgramFolder folder;
    TestProgram program;
    takeRecord(program.mk, sample());
    HistoryRecord old = sample();
    old.grade = 1;
    ASSERT_TRUE(writeHistoryFile(folder.data() + u"taro01.mkd"_qs, old));
    ASSERT_TRUE(SaveHistoryFile(program.mk, folder.data())); // the file of UserID, replaced
    EXPECT_EQ(folder.read(u"MKData/taro01.mkd"_qs), writeHistory(sample()));

    program.mk.Grade = 6;
    // The drive fills up half-way through the record.
    EXPECT_FALSE(
        withFileSizeCap(50000, [&] { return SaveHistoryFile(program.mk, folder.data()); }));
    EXPECT_EQ(folder.read(u"MKData/taro01.mkd"_qs), writeHistory(sample()));
    // No half-written copy is left beside it either.
    EXPECT_EQ(QDir(folder.data()).entryList(QDir::Files | QDir::Hidden), QStringList{"taro01.mkd"});

    // A target that is a folder, or a parent that is a file, cannot be written.
    QDir(folder.data()).mkdir(u"jiro.mkd"_qs);
    EXPECT_FALSE(writeHistoryFile(folder.data() + u"jiro.mkd"_qs, old));
    EXPECT_TRUE(QFileInfo(folder.data() + u"jiro.mkd"_qs).isDir());
    EXPECT_FALSE(writeHistoryFile(folder.data() + u"taro01.mkd/x.mkd"_qs, old));

    FailingDevice device(40000);
    const Status written = writeHistoryFile(device, old);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message, u"drive lost"_qs);
}

TEST(HistoryFile, FindsTheExactNameThenTheOnlyNameThatDiffersInLetterCase) {
    ProgramFolder folder;
    const QString dir = folder.data();
    folder.write(u"MKData/taro.mkd"_qs, "x");
    EXPECT_EQ(findHistoryFile(dir, u"taro"_qs), dir + u"taro.mkd"_qs);
    EXPECT_EQ(findHistoryFile(dir, u"TARO"_qs), dir + u"taro.mkd"_qs);
    EXPECT_EQ(findHistoryFile(dir, u"tar"_qs), QString());
    folder.write(u"MKData/Taro.mkd"_qs, "x");
    EXPECT_EQ(findHistoryFile(dir, u"Taro"_qs), dir + u"Taro.mkd"_qs);
    // Two candidates: neither can be told to be the pupil's.
    EXPECT_EQ(findHistoryFile(dir, u"TARO"_qs), QString());
}

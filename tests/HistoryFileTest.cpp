#include "core/Cp932.h"
#include "support/LogOnFixture.h"

#include <csignal>
#include <sys/resource.h>

TEST(HistoryRecord, RoundTripsByteForByteWithFieldsAtTheirOffsets) {
    // A name of 15 double-byte characters fills its field; neighbouring score bytes differ.
    HistoryRecord r{{}, u"あいうえおかきくけこさしすせそ"_qs, u"taro01"_qs, u"Pw-9x"_qs, 3, 2, 255};
    for (int i = 0; i < ScoreTable::kBytes; ++i)
        r.scores.bytes()[i] = quint8(i % 251 + i / 251);
    const QByteArray bytes = writeHistory(r);
    ASSERT_EQ(bytes.size(), 101194);
    EXPECT_EQ(quint8(bytes[1000 + 1001 * 100]), r.scores(1000, 100)); // lesson 1000, run 100
    EXPECT_EQ(quint8(bytes[3 + 1001]), r.scores(3, 1));
    EXPECT_EQ(bytes.mid(101101, 30), cp932::encode(r.name));
    EXPECT_EQ(bytes.mid(101131), QByteArray("taro01") + QByteArray(24, ' ') + "Pw-9x" +
                                     QByteArray(25, ' ') + QByteArray("\x03\x02\xff", 3));
    EXPECT_EQ(writeHistory(readHistoryBytes(bytes).value()), bytes); // every field and score byte
    EXPECT_FALSE(readHistoryBytes(bytes.first(101193)));             // a short file is damaged
}

TEST(HistoryRecord, ATextFieldEndsAtAHalfWidthSpaceButKeepsAFullWidthOne) {
    const HistoryRecord r =
        readHistoryBytes(writeHistory({{}, u"山田　太郎"_qs, {}, u"ab cd"_qs, 0, 0, 0})).value();
    EXPECT_EQ(r.name + u'|' + r.password, u"山田　太郎|ab"_qs);
}

TEST(HistoryFile, AFailedSaveLeavesTheOldFileAsItWas) {
    ProgramFolder folder;
    TestProgram program;
    program.mk.UserID = u"taro01"_qs;
    program.mk.DataFolder = folder.data();
    program.mk.HistoryPath = folder.data() + u"taro01.mkd"_qs;
    ASSERT_TRUE(SaveHistoryFile(program.mk));
    const QByteArray saved = folder.read(u"MKData/taro01.mkd"_qs);
    EXPECT_EQ(saved, writeHistory(recordOf(program.mk)));
    program.mk.Grade = 6;
    // The drive fills up half-way through the record (unlike permissions, this stops root).
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit cap{50000, old.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &cap);
    const Status written = SaveHistoryFile(program.mk);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(written);
    EXPECT_EQ(folder.read(u"MKData/taro01.mkd"_qs), saved);
    EXPECT_EQ(QDir(folder.data()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"taro01.mkd"}); // and no half-written copy beside it
}

TEST(HistoryFile, FindsTheExactNameThenTheOnlyNameThatDiffersInLetterCase) {
    ProgramFolder folder;
    const QString dir = folder.data();
    folder.write(u"MKData/taro.mkd"_qs, "x");
    EXPECT_EQ(findHistoryFile(dir, u"TARO"_qs), dir + u"taro.mkd"_qs);
    folder.write(u"MKData/Taro.mkd"_qs, "x");
    EXPECT_EQ(findHistoryFile(dir, u"Taro"_qs), dir + u"Taro.mkd"_qs);
    EXPECT_EQ(findHistoryFile(dir, u"TARO"_qs), QString()); // two candidates: neither is sure
}

#include "support/LogOnFixture.h"

#include <QFile>

namespace {

// A visit from log-on to the ending's write-back, with an "outside" folder
// beside the history folder.
struct WriteBack : LogOnFixture {
    void store(const QString& fileName, const QString& storedId) const {
        folder.write(u"MKData/"_qs + fileName,
                     writeHistory({{}, u"花子"_qs, storedId, u"pw"_qs, 3, 2, 15}));
    }
    // A score of this visit, then the ending.
    void finishVisit() {
        p.mk.ScoreHistory(7, 0) = 88;
        windows.Show(u"Ending"_qs);
    }
    // Throws, and so fails the test, when the file is not a whole record.
    HistoryRecord saved(const QString& fileName) const {
        return readHistoryBytes(folder.read(u"MKData/"_qs + fileName)).value();
    }
};

} // namespace

TEST_F(WriteBack, TheVisitGoesBackToTheFileFoundAtLogOnWhateverIdItStores) {
    store(u"Taro.mkd"_qs, u"TARO"_qs); // renamed by hand: the stored ID differs in case
    logOnAs(u"taro"_qs, u"pw"_qs);
    EXPECT_EQ(p.mk.UserID, u"TARO"_qs);
    finishVisit();
    EXPECT_EQ(saved(u"Taro.mkd"_qs).scores(7, 0), 88);
    EXPECT_EQ(historyFiles().filter(u".mkd"_qs), QStringList{u"Taro.mkd"_qs});
}

TEST_F(WriteBack, AStoredIdThatClimbsOutNeverBuildsAPath) {
    store(u"hana.mkd"_qs, u"../x"_qs);
    logOnAs(u"hana"_qs, u"pw"_qs);
    finishVisit();
    const HistoryRecord r = saved(u"hana.mkd"_qs);
    EXPECT_EQ(r.scores(7, 0), 88);
    EXPECT_EQ(r.userId, u"../x"_qs); // the file keeps what it had
    EXPECT_FALSE(folder.exists(u"x.mkd"_qs));
    EXPECT_FALSE(folder.exists(u"documents"_qs)); // no emergency either
}

TEST_F(WriteBack, AHistoryFileLinkedOutOfTheFolderIsRefusedAsDamaged) {
    folder.write(u"outside/real.mkd"_qs, writeHistory({{}, u"誰か"_qs, u"ken"_qs, u"pw"_qs}));
    const QByteArray before = folder.read(u"outside/real.mkd"_qs);
    ASSERT_TRUE(QFile::link(folder.root() + u"outside/real.mkd"_qs, folder.data() + u"ken.mkd"_qs));
    logOnAs(u"ken"_qs, u"pw"_qs);
    EXPECT_EQ(p.messages.shown.last(), kDamagedHistory);
    EXPECT_FALSE(windows.isVisible(u"Menu"_qs));
    // Even a visit that got this far somehow writes nothing through the link.
    p.mk.HistoryPath = folder.data() + u"ken.mkd"_qs;
    EXPECT_FALSE(SaveHistoryFile(p.mk));
    EXPECT_EQ(folder.read(u"outside/real.mkd"_qs), before);
}

TEST_F(WriteBack, AWaveDashTypedOnLinuxIsTheCodePagesWaveDash) {
    const QString typed = u"な〜み"_qs; // U+301C, as the input method types it
    logOnAs(typed, u"p〜w"_qs);
    ASSERT_TRUE(windows.isLoaded(u"SetUp"_qs)) << p.messages.shown.join(u'|').toStdString();
    EXPECT_EQ(p.mk.UserID, u"な～み"_qs);
    p.mk.UserName = u"波"_qs;
    finishVisit();
    EXPECT_EQ(historyFiles().filter(u".mkd"_qs), QStringList{u"な～み.mkd"_qs});
    EXPECT_EQ(saved(u"な～み.mkd"_qs).password, u"p～w"_qs);

    windows.Unload(u"SetUp"_qs);
    logOnAs(typed, u"p〜w"_qs); // and the same typing opens it again
    EXPECT_EQ(p.mk.ScoreHistory(7, 0), 88);
    EXPECT_TRUE(windows.isVisible(u"Menu"_qs));
}

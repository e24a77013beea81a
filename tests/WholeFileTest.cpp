#include "core/WholeFile.h"

#include "core/RelativeName.h"
#include "support/FileBytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Place : ::testing::Test {
    QTemporaryDir dir;
    QString at(const QString& name) const { return dir.path() + u'/' + name; }
    QByteArray read(const QString& name) const { return fileBytes(at(name)); }
    void put(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(at(name)).absolutePath());
        putFile(at(name), bytes);
    }
    // An hour old: a killed writer's leftover, not another program's file in progress.
    void makeStale(const QString& name) const {
        QFile f(at(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                      QFileDevice::FileModificationTime);
    }
    QStringList names(const QString& folder = {}) const {
        return QDir(at(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

} // namespace

TEST_F(Place, AWriteReplacesTheFileWholeAndTakesAKilledWritersLeftoversButNotAFreshOne) {
    put(u"a.mkd"_qs, "old");
    put(u"a.mkd.mk-k1ll3d"_qs, "half");
    put(u"a.mkd.mk-busy42"_qs, "another writer");
    put(u"b.mkd.mk-other1"_qs, "another file's");
    for (const QString& name : {u"a.mkd.mk-k1ll3d"_qs, u"b.mkd.mk-other1"_qs})
        makeStale(name);
    ASSERT_TRUE(wholefile::write(at(u"a.mkd"_qs), "new content"));
    EXPECT_EQ(read(u"a.mkd"_qs), "new content");
    ASSERT_TRUE(wholefile::write(at(u"sub/b.txt"_qs), "made with its folder"));
    EXPECT_EQ(read(u"sub/b.txt"_qs), "made with its folder");
    EXPECT_EQ(names(), (QStringList{u"a.mkd"_qs, u"a.mkd.mk-busy42"_qs, u"b.mkd.mk-other1"_qs}));
}

TEST_F(Place, AFailedWriteKeepsTheOldFile) {
    put(u"a.mkd"_qs, "old");
    QDir().mkpath(at(u"full/x"_qs));
    // A folder standing where the file should go cannot be replaced by a rename,
    // and nothing can be written below a file.
    EXPECT_FALSE(wholefile::write(at(u"full"_qs), "x"));
    EXPECT_FALSE(wholefile::write(at(u"a.mkd/b"_qs), "x"));
    EXPECT_TRUE(QFileInfo(at(u"full/x"_qs)).isDir());
    EXPECT_EQ(read(u"a.mkd"_qs), "old");
    EXPECT_EQ(names(), (QStringList{u"a.mkd"_qs}));
}

TEST_F(Place, LinksOutOfTheFolderAreNeverWrittenThrough) {
    QDir().mkpath(at(u"inside"_qs));
    put(u"outside/secret.txt"_qs, "keep");
    const QString inside = at(u"inside/"_qs);
    QFile::link(at(u"outside/secret.txt"_qs), at(u"inside/file.txt"_qs));
    QFile::link(at(u"outside"_qs), at(u"inside/folder"_qs));
    put(u"inside/ok.txt"_qs, "");
    QFile::link(at(u"inside/ok.txt"_qs), at(u"inside/near.txt"_qs));
    for (const QString& through : {u"file.txt"_qs, u"folder/secret.txt"_qs,
                                   u"folder/new/deep.txt"_qs, u"../outside/x.txt"_qs})
        EXPECT_FALSE(wholefile::writeInside(inside, inside + through, "x"))
            << through.toStdString();
    EXPECT_EQ(read(u"outside/secret.txt"_qs), "keep");
    EXPECT_EQ(names(u"outside"_qs), QStringList{u"secret.txt"_qs});
    QFile::link(at(u"inside/nowhere.txt"_qs), at(u"inside/dangling.txt"_qs));
    EXPECT_FALSE(wholefile::liesInside(inside, inside + u"dangling.txt"_qs));
    EXPECT_TRUE(wholefile::liesInside(inside, inside + u"near.txt"_qs)); // a link that stays
    EXPECT_TRUE(wholefile::writeInside(inside, inside + u"new/file.txt"_qs, "y"));
    EXPECT_FALSE(wholefile::liesInside(at(u"gone/"_qs), at(u"gone/x"_qs))); // a lost drive
}

TEST(RelativeName, NamesFromFilesStayBelowTheirFolder) {
    EXPECT_EQ(relativeFileName(u"a.txt"_qs), u"a.txt"_qs);
    EXPECT_EQ(relativeFileName(u"sub\\b.txt"_qs), u"sub/b.txt"_qs);
    EXPECT_EQ(relativeFileName(u"./sub/../c.txt"_qs), u"c.txt"_qs);
    for (const QString& outside :
         {u""_qs, u"."_qs, u".."_qs, u"../x.txt"_qs, u"sub/../../x"_qs, u"..\\x.txt"_qs,
          u"/etc/passwd"_qs, u"\\\\server\\x"_qs, u"C:x.txt"_qs, u"c:\\x.txt"_qs, u"sub/"_qs})
        EXPECT_FALSE(relativeFileName(outside)) << outside.toStdString();
}

TEST_F(Place, ABatchWritesEachFileWholeAndClearsItsLeftoversOnceAtTheEnd) {
    put(u"in/a.csv.mk-k1ll3d"_qs, "half");
    put(u"in/b.csv.mk-busy42"_qs, "another writer");
    put(u"in/c.csv.mk-k1ll3d"_qs, "not written by the batch");
    for (const QString& name : {u"in/a.csv.mk-k1ll3d"_qs, u"in/c.csv.mk-k1ll3d"_qs})
        makeStale(name);
    QDir().mkpath(at(u"outside"_qs));
    QFile::link(at(u"outside"_qs), at(u"in/link"_qs));
    {
        wholefile::Batch batch(at(u"in/"_qs));
        EXPECT_TRUE(batch.writeInside(at(u"in/a.csv"_qs), "A"));
        EXPECT_TRUE(batch.writeInside(at(u"in/b.csv"_qs), "B"));
        EXPECT_FALSE(batch.writeInside(at(u"in/link/x.csv"_qs), "out"));
        EXPECT_TRUE(names(u"in"_qs).contains(u"a.csv.mk-k1ll3d"_qs)); // not yet: at the end
    }
    EXPECT_EQ(read(u"in/a.csv"_qs), "A");
    EXPECT_EQ(names(u"in"_qs), (QStringList{u"a.csv"_qs, u"b.csv"_qs, u"b.csv.mk-busy42"_qs,
                                            u"c.csv.mk-k1ll3d"_qs}));
    EXPECT_TRUE(QDir(at(u"outside"_qs)).isEmpty());
}

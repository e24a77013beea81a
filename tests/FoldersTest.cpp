#include "core/Folders.h"

#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

namespace {

const QString kBroken = u"Path.datが壊れています。\rＭＫを強制終了します。"_qs;

} // namespace

TEST(Folders, WithoutPathFileEverythingComesFromTheDefaults) {
    ProgramFolder folder;
    TestProgram p(folder.root());
    ASSERT_TRUE(FixFolders(p.mk));
    EXPECT_EQ(p.mk.DefaultDataFolder, folder.data());
    EXPECT_EQ(p.mk.DefaultLessonFolder, folder.lessons());
    EXPECT_EQ(p.mk.DataFolder, folder.data());
    EXPECT_EQ(p.mk.LessonFolder, folder.lessons());
    EXPECT_TRUE(p.messages.shown.isEmpty());
}

TEST(Folders, EmptyItemsMeanTheDefaultsAndNamedFoldersNeedNotExist) {
    ProgramFolder folder;
    folder.write(u"MKData/Path.dat"_qs, "\"\"\r\n\"\"\r\n");
    TestProgram p(folder.root());
    ASSERT_TRUE(FixFolders(p.mk));
    EXPECT_EQ(p.mk.DataFolder, folder.data());
    EXPECT_EQ(p.mk.LessonFolder, folder.lessons());

    folder.writeText(u"MKData/Path.dat"_qs,
                     u"\"/mnt/学校/履歴/\"\r\n\"/mnt/school/lessons\"\r\n"_qs);
    TestProgram q(folder.root());
    ASSERT_TRUE(FixFolders(q.mk));
    EXPECT_EQ(q.mk.DataFolder, u"/mnt/学校/履歴/"_qs);
    // A folder without its separator still takes file names appended to it.
    EXPECT_EQ(q.mk.LessonFolder, u"/mnt/school/lessons/"_qs);
    EXPECT_EQ(q.mk.DefaultDataFolder, folder.data());
}

TEST(Folders, AFileEndingBeforeItsSecondItemEndsTheProgram) {
    for (const QByteArray& content : {QByteArray("\"/only/one/\"\r\n"), QByteArray()}) {
        ProgramFolder folder;
        folder.write(u"MKData/Path.dat"_qs, content);
        TestProgram p(folder.root());
        EXPECT_FALSE(FixFolders(p.mk));
        EXPECT_EQ(p.messages.shown, QStringList{kBroken});
        EXPECT_TRUE(p.mk.windows.ended());
        EXPECT_NE(p.mk.windows.exitStatus(), 0);
    }
}

TEST(Folders, AnythingAfterTheSecondItemIsIgnored) {
    ProgramFolder folder;
    folder.write(u"MKData/Path.dat"_qs, "\"/a/\",\"/b/\",\"/c/\"\r\ngarbage");
    TestProgram p(folder.root());
    ASSERT_TRUE(FixFolders(p.mk));
    EXPECT_EQ(p.mk.DataFolder, u"/a/"_qs);
    EXPECT_EQ(p.mk.LessonFolder, u"/b/"_qs);
}

TEST(Folders, WrittenPathFileReadsBack) {
    const QByteArray bytes = writePathFile(u"/srv/履歴/"_qs, u"/srv/lesson/"_qs);
    EXPECT_EQ(bytes.left(3), QByteArray("\"/s"));
    EXPECT_TRUE(bytes.endsWith("\"\r\n"));
    ProgramFolder folder;
    folder.write(u"MKData/Path.dat"_qs, bytes);
    const auto folders = resolveFolders(folder.root());
    ASSERT_TRUE(folders.ok());
    EXPECT_EQ(folders.value().data, u"/srv/履歴/"_qs);
    EXPECT_EQ(folders.value().lesson, u"/srv/lesson/"_qs);
}

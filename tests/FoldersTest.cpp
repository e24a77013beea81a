#include "core/Folders.h"

#include "core/Cp932.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

TEST(Folders, PathFileNamesTheFoldersAndEmptyOrMissingItemsMeanTheDefaults) {
    const QByteArray written = writePathFile(u"/srv/履歴/"_qs, u"/srv/lesson/"_qs);
    EXPECT_TRUE(written.startsWith("\"/s") && written.endsWith("\"\r\n"));
    // Empty means the default; named folders need not exist.
    const std::tuple<std::optional<QByteArray>, QString, QString> cases[] = {
        {std::nullopt, {}, {}},
        {"\"\"\r\n\"\"\r\n", {}, {}},
        {cp932::encode(u"\"/mnt/学校/履歴/\"\r\n\"/mnt/school/lessons\"\r\n"_qs),
         u"/mnt/学校/履歴/"_qs,
         u"/mnt/school/lessons/"_qs}, // a folder without its separator still takes file names
        {"\"/a/\",\"/b/\",\"/c/\"\r\ngarbage", u"/a/"_qs, u"/b/"_qs}, // the rest is ignored
        {written, u"/srv/履歴/"_qs, u"/srv/lesson/"_qs},
    };
    for (const auto& [pathFile, data, lesson] : cases) {
        SCOPED_TRACE(pathFile.value_or("<none>").toStdString());
        ProgramFolder folder;
        if (pathFile) folder.write(u"MKData/Path.dat"_qs, *pathFile);
        TestProgram p(folder.root());
        ASSERT_TRUE(FixFolders(p.mk));
        EXPECT_EQ(p.mk.DataFolder, data.isEmpty() ? folder.data() : data);
        EXPECT_EQ(p.mk.LessonFolder, lesson.isEmpty() ? folder.lessons() : lesson);
        EXPECT_EQ(p.mk.DefaultDataFolder, folder.data());
        EXPECT_EQ(p.mk.DefaultLessonFolder, folder.lessons());
        EXPECT_TRUE(p.messages.shown.isEmpty());
    }
}

TEST(Folders, AFileEndingBeforeItsSecondItemEndsTheProgram) {
    for (const QByteArray& content : {QByteArray("\"/only/one/\"\r\n"), QByteArray()}) {
        ProgramFolder folder;
        folder.write(u"MKData/Path.dat"_qs, content);
        TestProgram p(folder.root());
        EXPECT_FALSE(FixFolders(p.mk));
        EXPECT_EQ(p.messages.shown,
                  QStringList{u"Path.datが壊れています。\rＭＫを強制終了します。"_qs});
        EXPECT_TRUE(p.mk.windows.ended());
        EXPECT_NE(p.mk.windows.exitStatus(), 0);
    }
}

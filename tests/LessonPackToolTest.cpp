#include "core/LessonPack.h"
#include "support/ProgramFolder.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// The exit code and the error text of one run of the tool.
std::pair<int, QString> runTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(MK_LESSON_TOOL), args);
    EXPECT_TRUE(tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit);
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
}

} // namespace

TEST(LessonPackTool, RefusesTextCp932CannotHoldAndWritesNothing) {
    ProgramFolder dir;
    dir.write(u"good.txt"_qs, "ok\n");
    dir.write(u"bad.txt"_qs, u"abc\nりんご🍎\n"_qs.toUtf8());
    const QString out = dir.root() + u"out"_qs;
    for (const QStringList& args :
         {QStringList{u"pack"_qs, out, dir.root() + u"good.txt"_qs, dir.root() + u"bad.txt"_qs},
          QStringList{u"text"_qs, dir.root() + u"bad.txt"_qs, out}}) {
        const auto [exitCode, errors] = runTool(args);
        EXPECT_NE(exitCode, 0);
        EXPECT_TRUE(errors.contains(u"bad.txt:2: U+1F34E"_qs)) << errors.toStdString();
        EXPECT_FALSE(dir.exists(u"out"_qs));
    }
}

TEST(LessonPackTool, PacksRawLinesUnderTheFileName) {
    ProgramFolder dir;
    dir.write(u"src/a.txt"_qs, u"x, \"y\"\r\n\r\nかな"_qs.toUtf8());
    const QString pack = dir.root() + u"Lesson"_qs;
    ASSERT_EQ(runTool({u"pack"_qs, pack, dir.root() + u"src/a.txt"_qs}).first, 0);
    QFile file(pack);
    const auto files = readLessonPack(file);
    ASSERT_TRUE(files);
    ASSERT_EQ(files.value().size(), 1u);
    EXPECT_EQ(files.value()[0].name, u"a.txt"_qs);
    EXPECT_EQ(files.value()[0].lines, (QStringList{u"x, \"y\""_qs, u""_qs, u"かな"_qs}));
}

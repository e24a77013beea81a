#include "core/LessonPack.h"

#include "core/Cp932.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

const QString kDone = u"Lesson生成処理が完了しました。\rMarokeyをご利用いただけます。"_qs;

struct PackFolder : ProgramFolder {
    PackFolder(const QByteArray& pack = {}) {
        if (!pack.isEmpty()) write(u"MKLesson/Lesson"_qs, pack);
    }
    UnpackOutcome unpack() const { return unpackLessons(lessons(), 2.2f); }
};

} // namespace

TEST(LessonPack, WritesHeadersThenBodiesAndReadsThemBack) {
    const std::vector<PackedFile> files = {{u"a.txt"_qs, {u"あいう"_qs, u"x, \"y\""_qs}},
                                           {u"empty.txt"_qs, {}},
                                           {u"b.txt"_qs, {QString()}}};
    QByteArray bytes = writeLessonPack(files);
    EXPECT_TRUE(cp932::decode(bytes).startsWith(
        u"3\r\n\"a.txt\",2\r\n\"empty.txt\",0\r\n\"b.txt\",1\r\nあいう\r\nx, \"y\"\r\n\r\n"_qs));
    QBuffer buffer(&bytes);
    const auto read = readLessonPack(buffer);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.value().size(), 3u);
    EXPECT_EQ(read.value()[0].lines, (QStringList{u"あいう"_qs, u"x, \"y\""_qs}));
    EXPECT_TRUE(read.value()[1].lines.isEmpty());
}

TEST(LessonPack, MarkerAtTheVersionTouchesNothing) {
    PackFolder f(writeLessonPack({{u"a.txt"_qs, {u"new"_qs}}}));
    f.write(u"MKLesson/MKOK"_qs, " 2.2 \r\n");
    f.write(u"MKLesson/a.txt"_qs, "old\r\n");
    EXPECT_EQ(f.unpack(), UnpackOutcome::AlreadyCurrent);
    EXPECT_EQ(f.read(u"MKLesson/a.txt"_qs), QByteArray("old\r\n"));
}

// The later of two equal names wins; a backslash names a sub-folder inside.
TEST(LessonPack, OtherOrMissingMarkerUnpacksEverythingAndRewritesIt) {
    for (const char* marker :
         std::initializer_list<const char*>{"2.1\r\n", "2.2,2.1\r\n", nullptr}) {
        PackFolder f(writeLessonPack({{u"a.txt"_qs, {u"first"_qs}},
                                      {u"zero.txt"_qs, {}},
                                      {u"sub\\b.txt"_qs, {u"x"_qs}},
                                      {u"a.txt"_qs, {u"one"_qs, u"two"_qs}}}));
        if (marker) f.write(u"MKLesson/MKOK"_qs, marker);
        f.write(u"MKLesson/a.txt"_qs, "old\r\n");
        f.write(u"MKLesson/other.txt"_qs, "keep\r\n");
        EXPECT_EQ(f.unpack(), UnpackOutcome::Unpacked);
        EXPECT_EQ(f.read(u"MKLesson/a.txt"_qs), QByteArray("one\r\ntwo\r\n"));
        EXPECT_TRUE(f.exists(u"MKLesson/zero.txt"_qs));
        EXPECT_EQ(f.read(u"MKLesson/zero.txt"_qs), QByteArray());
        EXPECT_EQ(f.read(u"MKLesson/sub/b.txt"_qs), QByteArray("x\r\n"));
        EXPECT_EQ(f.read(u"MKLesson/other.txt"_qs), QByteArray("keep\r\n"));
        EXPECT_EQ(f.read(u"MKLesson/MKOK"_qs), QByteArray("2.2\r\n"));
        EXPECT_FALSE(f.read(u"MKLesson/Lesson"_qs).isEmpty());
    }
}

TEST(LessonPack, DamagedOrMissingPackLeavesNoMarkerAndWritesNothing) {
    for (const QByteArray& bytes : {
             QByteArray("1\r\n\"a.txt\",3\r\nonly one\r\n"), // ends early
             QByteArray("1001\r\n"),
             QByteArray("-1\r\n"),
             QByteArray("1\r\n\"a.txt\"\r\n"),
             QByteArray("1\r\n\"../escape.txt\",1\r\nx\r\n"),
             QByteArray("1\r\n\"/tmp/abs.txt\",1\r\nx\r\n"),
         }) {
        PackFolder f(bytes);
        f.write(u"MKLesson/MKOK"_qs, "2.1\r\n");
        EXPECT_EQ(f.unpack(), UnpackOutcome::PackDamaged) << bytes.constData();
        EXPECT_EQ(f.read(u"MKLesson/MKOK"_qs), QByteArray("2.1\r\n"));
        EXPECT_FALSE(f.exists(u"MKLesson/a.txt"_qs));
        EXPECT_FALSE(f.exists(u"escape.txt"_qs));
    }
    PackFolder missing;
    EXPECT_EQ(missing.unpack(), UnpackOutcome::PackMissing);
    EXPECT_FALSE(missing.exists(u"MKLesson/MKOK"_qs));
}

TEST(LessonPack, StartUpStepTellsTheUserOnceAndABrokenPackDoesNotEndTheProgram) {
    const auto startUp = [](const PackFolder& f, int times) {
        auto p = std::make_unique<TestProgram>(f.root());
        p->mk.LessonFolder = f.lessons();
        p->mk.LessonPackVersion = 2.2f;
        for (int i = 0; i < times; ++i)
            UnpackLessonPack(p->mk);
        return p;
    };
    const auto done = startUp(PackFolder(writeLessonPack({{u"a.txt"_qs, {u"x"_qs}}})), 2);
    EXPECT_EQ(done->messages.shown, QStringList{kDone});

    const auto broken = startUp(PackFolder("7\r\n"), 1);
    ASSERT_EQ(broken->messages.shown.size(), 1);
    EXPECT_TRUE(broken->messages.shown[0].startsWith(u"Lessonファイルが壊れています。"_qs));
    EXPECT_FALSE(broken->mk.windows.ended());
}

TEST(LessonPack, InterruptedUnpackLeavesNoMarker) {
    PackFolder f(writeLessonPack({{u"a.txt"_qs, {u"x"_qs}}, {u"blocked/b.txt"_qs, {u"y"_qs}}}));
    // "blocked" is a file, so nothing can be written below it.
    f.write(u"MKLesson/blocked"_qs, "file\r\n");
    EXPECT_EQ(f.unpack(), UnpackOutcome::WriteFailed);
    EXPECT_FALSE(f.exists(u"MKLesson/MKOK"_qs));
}

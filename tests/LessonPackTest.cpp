#include "core/LessonPack.h"

#include "core/Cp932.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

const QString kDone = u"Lesson生成処理が完了しました。\rMarokeyをご利用いただけます。"_qs;

QByteArray pack(const std::vector<PackedFile>& files) {
    return writeLessonPack(files);
}

struct PackFolder : ProgramFolder {
    QString lessonsPath() const { return lessons(); }
    UnpackOutcome unpack() const { return unpackLessons(lessons(), 2.2f); }
};

} // namespace

TEST(LessonPack, WritesHeadersThenBodiesAndReadsThemBack) {
    const std::vector<PackedFile> files = {{u"a.txt"_qs, {u"あいう"_qs, u"x, \"y\""_qs}},
                                           {u"empty.txt"_qs, {}},
                                           {u"b.txt"_qs, {QString()}}};
    const QByteArray bytes = pack(files);
    EXPECT_TRUE(cp932::decode(bytes).startsWith(
        u"3\r\n\"a.txt\",2\r\n\"empty.txt\",0\r\n\"b.txt\",1\r\nあいう\r\nx, \"y\"\r\n\r\n"_qs));
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    const auto read = readLessonPack(buffer);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.value().size(), 3u);
    EXPECT_EQ(read.value()[0].lines, (QStringList{u"あいう"_qs, u"x, \"y\""_qs}));
    EXPECT_TRUE(read.value()[1].lines.isEmpty());
}

TEST(LessonPack, MarkerAtTheVersionTouchesNothing) {
    PackFolder f;
    f.write(u"MKLesson/MKOK"_qs, " 2.2 \r\n");
    f.write(u"MKLesson/Lesson"_qs, pack({{u"a.txt"_qs, {u"new"_qs}}}));
    f.write(u"MKLesson/a.txt"_qs, "old\r\n");
    EXPECT_EQ(f.unpack(), UnpackOutcome::AlreadyCurrent);
    EXPECT_EQ(f.read(u"MKLesson/a.txt"_qs), QByteArray("old\r\n"));
}

TEST(LessonPack, OtherOrMissingMarkerUnpacksEverythingAndRewritesIt) {
    for (const char* marker :
         std::initializer_list<const char*>{"2.1\r\n", "2.2,2.1\r\n", nullptr}) {
        PackFolder f;
        if (marker) f.write(u"MKLesson/MKOK"_qs, marker);
        f.write(u"MKLesson/Lesson"_qs,
                pack({{u"a.txt"_qs, {u"one"_qs, u"two"_qs}}, {u"zero.txt"_qs, {}}}));
        f.write(u"MKLesson/a.txt"_qs, "old\r\n");
        f.write(u"MKLesson/other.txt"_qs, "keep\r\n");
        EXPECT_EQ(f.unpack(), UnpackOutcome::Unpacked);
        EXPECT_EQ(f.read(u"MKLesson/a.txt"_qs), QByteArray("one\r\ntwo\r\n"));
        EXPECT_TRUE(f.exists(u"MKLesson/zero.txt"_qs));
        EXPECT_EQ(f.read(u"MKLesson/zero.txt"_qs), QByteArray());
        EXPECT_EQ(f.read(u"MKLesson/other.txt"_qs), QByteArray("keep\r\n"));
        EXPECT_EQ(f.read(u"MKLesson/MKOK"_qs), QByteArray("2.2\r\n"));
        EXPECT_EQ(f.read(u"MKLesson/Lesson"_qs).isEmpty(), false);
    }
}

TEST(LessonPack, LaterOfTwoEqualNamesWins) {
    PackFolder f;
    f.write(u"MKLesson/Lesson"_qs,
            pack({{u"a.txt"_qs, {u"first"_qs}}, {u"a.txt"_qs, {u"second"_qs}}}));
    EXPECT_EQ(f.unpack(), UnpackOutcome::Unpacked);
    EXPECT_EQ(f.read(u"MKLesson/a.txt"_qs), QByteArray("second\r\n"));
}

TEST(LessonPack, DamagedOrMissingPackLeavesNoMarkerAndWritesNothing) {
    const std::vector<std::pair<QByteArray, UnpackOutcome>> cases = {
        {"1\r\n\"a.txt\",3\r\nonly one\r\n", UnpackOutcome::PackDamaged}, // ends early
        {"1001\r\n", UnpackOutcome::PackDamaged},
        {"-1\r\n", UnpackOutcome::PackDamaged},
        {"1\r\n\"a.txt\"\r\n", UnpackOutcome::PackDamaged},
        {"1\r\n\"../escape.txt\",1\r\nx\r\n", UnpackOutcome::PackDamaged},
        {"1\r\n\"/tmp/abs.txt\",1\r\nx\r\n", UnpackOutcome::PackDamaged},
    };
    for (const auto& [bytes, outcome] : cases) {
        PackFolder f;
        f.write(u"MKLesson/MKOK"_qs, "2.1\r\n");
        f.write(u"MKLesson/Lesson"_qs, bytes);
        EXPECT_EQ(f.unpack(), outcome) << bytes.constData();
        EXPECT_EQ(f.read(u"MKLesson/MKOK"_qs), QByteArray("2.1\r\n"));
        EXPECT_FALSE(f.exists(u"MKLesson/a.txt"_qs));
        EXPECT_FALSE(f.exists(u"escape.txt"_qs));
    }
    PackFolder missing;
    EXPECT_EQ(missing.unpack(), UnpackOutcome::PackMissing);
    EXPECT_FALSE(missing.exists(u"MKLesson/MKOK"_qs));
}

TEST(LessonPack, SubFoldersAndBackslashesStayInside) {
    PackFolder f;
    f.write(u"MKLesson/Lesson"_qs, pack({{u"sub\\b.txt"_qs, {u"x"_qs}}}));
    EXPECT_EQ(f.unpack(), UnpackOutcome::Unpacked);
    EXPECT_EQ(f.read(u"MKLesson/sub/b.txt"_qs), QByteArray("x\r\n"));
}

TEST(LessonPack, StartUpStepTellsTheUser) {
    PackFolder f;
    f.write(u"MKLesson/Lesson"_qs, pack({{u"a.txt"_qs, {u"x"_qs}}}));
    TestProgram p(f.root());
    p.mk.LessonFolder = f.lessons();
    p.mk.LessonPackVersion = 2.2f;
    UnpackLessonPack(p.mk);
    EXPECT_EQ(p.messages.shown, QStringList{kDone});
    UnpackLessonPack(p.mk);
    EXPECT_EQ(p.messages.shown.size(), 1);

    PackFolder broken;
    broken.write(u"MKLesson/Lesson"_qs, "7\r\n");
    TestProgram q(broken.root());
    q.mk.LessonFolder = broken.lessons();
    q.mk.LessonPackVersion = 2.2f;
    UnpackLessonPack(q.mk);
    ASSERT_EQ(q.messages.shown.size(), 1);
    EXPECT_TRUE(q.messages.shown[0].startsWith(u"Lessonファイルが壊れています。"_qs));
    EXPECT_FALSE(q.mk.windows.ended());
}

TEST(LessonPack, InterruptedUnpackLeavesNoMarker) {
    PackFolder f;
    // "blocked" is a file, so nothing can be written below it.
    f.write(u"MKLesson/blocked"_qs, "file\r\n");
    f.write(u"MKLesson/Lesson"_qs,
            pack({{u"a.txt"_qs, {u"x"_qs}}, {u"blocked/b.txt"_qs, {u"y"_qs}}}));
    EXPECT_EQ(f.unpack(), UnpackOutcome::WriteFailed);
    EXPECT_FALSE(f.exists(u"MKLesson/MKOK"_qs));
}

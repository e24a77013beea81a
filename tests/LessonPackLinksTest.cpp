#include "core/LessonPack.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A lesson folder beside an "outside" folder that must never change.
struct PackBesideOutside : ::testing::Test {
    ProgramFolder f;
    PackBesideOutside() {
        f.write(u"outside/a.txt"_qs, "keep\r\n");
        f.write(u"MKLesson/MKOK"_qs, "2.1\r\n");
    }
    void packOf(const std::vector<PackedFile>& files) const {
        f.write(u"MKLesson/Lesson"_qs, writeLessonPack(files));
    }
    void link(const QString& target, const QString& name) const {
        ASSERT_TRUE(QFile::link(f.root() + target, f.lessons() + name));
    }
    UnpackOutcome unpack() const { return unpackLessons(f.lessons(), 2.2f); }
    void expectNothingChanged() const {
        EXPECT_EQ(f.read(u"outside/a.txt"_qs), "keep\r\n");
        EXPECT_EQ(QDir(f.root() + u"outside"_qs).entryList(QDir::Files), QStringList{u"a.txt"_qs});
        EXPECT_EQ(f.read(u"MKLesson/MKOK"_qs), "2.1\r\n");
        EXPECT_FALSE(f.exists(u"MKLesson/first.txt"_qs));
    }
};

} // namespace

TEST_F(PackBesideOutside, FolderAndFileLinksOutOfTheLessonFolderMakeThePackDamaged) {
    link(u"outside"_qs, u"sub"_qs);
    link(u"outside/a.txt"_qs, u"a.txt"_qs);
    for (const QString& through : {u"sub/a.txt"_qs, u"a.txt"_qs}) {
        packOf({{u"first.txt"_qs, {u"x"_qs}}, {through, {u"over"_qs}}});
        EXPECT_EQ(unpack(), UnpackOutcome::PackDamaged) << through.toStdString();
        expectNothingChanged();
    }
}

TEST_F(PackBesideOutside, AMarkerLinkedOutOfTheFolderMakesThePackDamaged) {
    f.remove(u"MKLesson/MKOK"_qs);
    f.write(u"outside/MKOK"_qs, "2.1\r\n");
    link(u"outside/MKOK"_qs, u"MKOK"_qs);
    packOf({{u"first.txt"_qs, {u"x"_qs}}});
    EXPECT_EQ(unpack(), UnpackOutcome::PackDamaged);
    EXPECT_EQ(f.read(u"outside/MKOK"_qs), "2.1\r\n");
    EXPECT_FALSE(f.exists(u"MKLesson/first.txt"_qs));
}

TEST_F(PackBesideOutside, EntriesNamedLikeThePackOrItsMarkerMakeItDamaged) {
    for (const QString& name :
         {u"Lesson"_qs, u"lesson"_qs, u"MKOK"_qs, u"mkok"_qs, u"./MkOk"_qs, u"sub/../LESSON"_qs}) {
        packOf({{u"first.txt"_qs, {u"x"_qs}}, {name, {u"over"_qs}}});
        const QByteArray packBytes = f.read(u"MKLesson/Lesson"_qs);
        EXPECT_EQ(unpack(), UnpackOutcome::PackDamaged) << name.toStdString();
        EXPECT_EQ(f.read(u"MKLesson/Lesson"_qs), packBytes);
        expectNothingChanged();
    }
    packOf({{u"sub/Lesson"_qs, {u"a lesson file of that name in a folder"_qs}}});
    EXPECT_EQ(unpack(), UnpackOutcome::Unpacked);
}

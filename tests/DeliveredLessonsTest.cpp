#include "core/Catalogue.h"
#include "core/Cp932.h"
#include "core/LessonPack.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

const QString kBuilt = QStringLiteral(MK_PROGRAM_DIR "/MKLesson/");

// The catalogue and the packed files by name, as the build delivers them.
class DeliveredLessons : public testing::Test {
protected:
    void SetUp() override {
        const auto records = readCatalogue(kBuilt + u"Lesson_List.txt"_qs, 1001);
        QFile file(kBuilt + u"Lesson"_qs);
        const auto files = readLessonPack(file);
        ASSERT_TRUE(records && files);
        catalogue = records.value();
        for (const PackedFile& f : files.value())
            pack[f.name] = f.lines;
    }
    std::vector<CatalogueRecord> catalogue;
    std::map<QString, QStringList> pack;
};

} // namespace

TEST_F(DeliveredLessons, CatalogueCoversEveryKindNamesThePackedFilesAndEachLineCanBeTyped) {
    std::set<int> kinds;
    std::set<QString> named, packed;
    for (const auto& [name, lines] : pack) // before the lookups below can add names
        packed.insert(name);
    for (const CatalogueRecord& r : catalogue) {
        SCOPED_TRACE(r.title.toStdString());
        kinds.insert(r.kind);
        if (!r.file.startsWith(u'0')) named.insert(r.file); // "0..." makes keypad numbers
        if (r.kind == 5) named.insert(r.file2);             // the answers
        if (!pack.count(r.file)) continue;                  // missing ones fail below
        // Guided runs are typed on the keys of the keyboard, the keypad run on the keypad.
        const QRegularExpression typeable(r.kind == 1 || r.kind == 6 ? u"^[ -~]*$"_qs
                                          : r.kind == 4              ? u"^[0-9*+\\-./]*$"_qs
                                                                     : u""_qs);
        for (const QString& line : pack.at(r.file))
            EXPECT_TRUE(typeable.match(line).hasMatch()) << line.toStdString();
        EXPECT_TRUE(r.kind != 5 || pack[r.file2].size() == pack[r.file].size()) << "answers";
    }
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(named, packed);
}

TEST_F(DeliveredLessons, UnpackingTheDeliveredFolderGivesBackTheSources) {
    ProgramFolder folder;
    for (const QString& name : {u"Lesson"_qs, u"Lesson_List.txt"_qs})
        ASSERT_TRUE(QFile::copy(kBuilt + name, folder.lessons() + name)) << name.toStdString();
    ASSERT_EQ(unpackLessons(folder.lessons(), 2.2f), UnpackOutcome::Unpacked);
    const QStringList names = QDir(QStringLiteral(MK_LESSON_SOURCES)).entryList({u"*.txt"_qs});
    ASSERT_EQ(names.size(), qsizetype(pack.size()) + 1); // the packed files and the catalogue
    for (const QString& name : names) {
        QFile source(QStringLiteral(MK_LESSON_SOURCES "/") + name);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QString expected = QString::fromUtf8(source.readAll()).replace(u"\r\n"_qs, u"\n"_qs);
        if (!expected.isEmpty() && !expected.endsWith(u'\n')) expected += u'\n';
        expected.replace(u"\n"_qs, u"\r\n"_qs);
        EXPECT_EQ(cp932::decode(folder.read(u"MKLesson/"_qs + name)), expected) << qPrintable(name);
    }
}

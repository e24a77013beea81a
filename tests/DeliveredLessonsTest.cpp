#include "core/Catalogue.h"
#include "core/Cp932.h"
#include "core/ItemText.h"
#include "core/LessonPack.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

const QString kBuilt = QStringLiteral(MK_PROGRAM_DIR "/MKLesson/");

std::vector<CatalogueRecord> builtCatalogue() {
    auto records = readCatalogue(kBuilt + u"Lesson_List.txt"_qs, 1001);
    EXPECT_TRUE(records) << records.error().message.toStdString();
    return records ? records.value() : std::vector<CatalogueRecord>{};
}

std::map<QString, QStringList> builtPack() {
    QFile file(kBuilt + u"Lesson"_qs);
    auto files = readLessonPack(file);
    EXPECT_TRUE(files) << files.error().message.toStdString();
    std::map<QString, QStringList> byName;
    if (files)
        for (const PackedFile& f : files.value())
            byName[f.name] = f.lines;
    return byName;
}

bool isRecipe(const CatalogueRecord& r) {
    return r.file.startsWith(u'0');
}

// The fields the lesson window reads from a file, blank ones included.
QStringList fields(const QStringList& lines) {
    ItemReader reader(lines.join(u"\r\n"_qs));
    QStringList out;
    while (const auto field = reader.next())
        out << *field;
    return out;
}

bool allOf(const QString& line, bool (*ok)(QChar)) {
    return std::all_of(line.begin(), line.end(), ok);
}
bool guidedKey(QChar c) {
    return c.unicode() >= 32 && c.unicode() <= 126;
}

bool fitsKind(int kind, const QString& line) {
    switch (kind) {
    case 1:
    case 6:
        return allOf(line, guidedKey);
    case 2:
        return allOf(line,
                     [](QChar c) { return (c >= u'\u3041' && c <= u'\u3096') || c == u'ー'; });
    case 3:
        return allOf(line, [](QChar c) { return c.unicode() > 126; });
    case 4:
        return allOf(line, [](QChar c) { return QStringView(u"0123456789*+-./").contains(c); });
    }
    return true;
}

} // namespace

TEST(DeliveredLessons, CatalogueCoversEveryKindAndNamesExactlyThePackedFiles) {
    const auto catalogue = builtCatalogue();
    const auto pack = builtPack();
    std::set<int> kinds;
    std::set<QString> named;
    for (const CatalogueRecord& r : catalogue) {
        SCOPED_TRACE(r.title.toStdString());
        kinds.insert(r.kind);
        EXPECT_TRUE(r.factor >= 0.5f && r.factor <= 3.0f);
        if (isRecipe(r)) {
            // "0", the digits of each number, ..., the count in the last four.
            EXPECT_EQ(r.kind, 4);
            EXPECT_TRUE(r.file.size() >= 6 && r.file.at(1) >= u'1' && r.file.at(1) <= u'9' &&
                        r.file.right(4).toInt() > 0)
                << r.file.toStdString();
        } else {
            EXPECT_TRUE(pack.count(r.file)) << r.file.toStdString();
            named.insert(r.file);
        }
        if (r.kind == 5) {
            EXPECT_TRUE(pack.count(r.file2)) << r.file2.toStdString();
            named.insert(r.file2);
        } else {
            EXPECT_TRUE(r.file2 == u"1" || r.file2 == u"2") << r.file2.toStdString();
        }
    }
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 4, 5, 6}));
    for (const auto& [name, lines] : pack)
        EXPECT_TRUE(named.count(name)) << "packed but never used: " << name.toStdString();
}

TEST(DeliveredLessons, EveryLineCanBeTypedTheWayItsKindIsRun) {
    const auto pack = builtPack();
    for (const CatalogueRecord& r : builtCatalogue()) {
        if (isRecipe(r) || !pack.count(r.file)) continue;
        SCOPED_TRACE(r.title.toStdString());
        const QStringList& lines = pack.at(r.file);
        // Each written line is one lesson line: no comma splits it, no quote or
        // blank is lost, no blank line is skipped.
        EXPECT_EQ(fields(lines), lines);
        EXPECT_TRUE(!lines.isEmpty() && lines.size() <= 500);
        for (const QString& line : lines)
            EXPECT_TRUE(fitsKind(r.kind, line)) << line.toStdString();
        if (r.kind != 5 || !pack.count(r.file2)) continue;
        const QStringList answers = fields(pack.at(r.file2));
        EXPECT_EQ(answers.size(), lines.size());
        // The English word run types its answers with the input method off.
        if (r.file.startsWith(u"英単語"))
            for (qsizetype i = 0; i < std::min(answers.size(), lines.size()); ++i) {
                EXPECT_TRUE(allOf(answers[i], guidedKey)) << answers[i].toStdString();
                EXPECT_FALSE(allOf(lines[i], guidedKey)) << lines[i].toStdString();
            }
    }
}

TEST(DeliveredLessons, UnpackingTheDeliveredFolderGivesBackTheSources) {
    ProgramFolder folder;
    for (const QString& name : {u"Lesson"_qs, u"Lesson_List.txt"_qs, u"Lesson_List.Add.txt"_qs})
        ASSERT_TRUE(QFile::copy(kBuilt + name, folder.lessons() + name)) << name.toStdString();
    ASSERT_EQ(unpackLessons(folder.lessons(), 2.2f), UnpackOutcome::Unpacked);

    const QDir sources(QStringLiteral(MK_LESSON_SOURCES));
    const QStringList names = sources.entryList({u"*.txt"_qs}, QDir::Files);
    ASSERT_GT(names.size(), 10);
    for (const QString& name : names) {
        QFile source(sources.filePath(name));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QString expected = QString::fromUtf8(source.readAll()).replace(u"\r\n"_qs, u"\n"_qs);
        if (!expected.isEmpty() && !expected.endsWith(u'\n')) expected += u'\n';
        expected.replace(u"\n"_qs, u"\r\n"_qs);
        const QString unpacked = cp932::decode(folder.read(u"MKLesson/"_qs + name));
        EXPECT_EQ(unpacked, expected) << name.toStdString();
    }
}

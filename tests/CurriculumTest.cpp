#include "core/Catalogue.h"
#include "core/LessonPack.h"
#include "engine/LessonText.h"
#include "logon/Menu.h"
#include "support/LessonFixture.h"

#include <QFile>
#include <QRegularExpression>
#include <map>

namespace {

const QString kBuilt = QStringLiteral(MK_PROGRAM_DIR "/MKLesson/");

// The widest line that still fits the line label of the compact window, which has
// no smaller mock-test font; letters are shown in full-width form, so they count as
// full-width characters.
int widestLine(int kind) {
    if (kind == 4) return 8;  // the big keypad display
    if (kind == 6) return 60; // half-width, shown as written
    return 30;
}

bool fullWidthOnly(const QString& line) {
    return std::ranges::all_of(line, [](QChar c) {
        return c.unicode() >= 0x80 && !(c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F);
    });
}

// What each kind can be typed with: the keys of the key table, the kana of the
// input method's hiragana mode, the keypad, or anything the input method writes.
bool typeable(int kind, const QString& line) {
    static const QRegularExpression keys(u"^[ -~]+$"_qs), keypad(u"^[0-9.+\\-*/]+$"_qs),
        kana(u"^[ぁ-ゔー]+$"_qs);
    switch (kind) {
    case 1:
    case 6:
        return keys.match(line).hasMatch();
    case 2:
        return kana.match(line).hasMatch();
    case 4:
        return keypad.match(line).hasMatch();
    default:
        return fullWidthOnly(line);
    }
}

// The delivered pack unpacked into a program folder, and its catalogue in the
// shared tables, as a first start leaves them.
struct Curriculum : LessonFixture {
    std::vector<CatalogueRecord> records;

    Curriculum() {
        for (const QString& name : {u"Lesson"_qs, u"Lesson_List.txt"_qs})
            EXPECT_TRUE(QFile::copy(kBuilt + name, folder.lessons() + name));
        EXPECT_EQ(unpackLessons(folder.lessons(), 2.2f), UnpackOutcome::Unpacked);
        auto read = readCatalogue(folder.lessons() + u"Lesson_List.txt"_qs, 1001);
        EXPECT_TRUE(read);
        if (!read) return;
        records = std::move(read).value();
        for (size_t i = 0; i < records.size(); ++i) {
            const CatalogueRecord& r = records[i];
            mk.LessonTitle[i] = r.title;
            mk.LessonFile[i] = r.file;
            mk.LessonFile2[i] = r.file2;
            mk.LessonKind[i] = r.kind;
            mk.LessonFactor[i] = r.factor;
        }
        mk.LastLessonIndex = static_cast<qint16>(records.size() - 1);
    }

    // Opens lesson i in the lesson window; nullptr when its load failed.
    Marokey* load(int i) {
        if (w()) mk.windows.Unload(Marokey::kName.toString());
        mk.CurrentLesson = static_cast<qint16>(i);
        return open();
    }
};

} // namespace

TEST_F(Curriculum, EveryLessonLoadsInTheLessonWindowAndCanBeTypedOnItsTab) {
    ASSERT_FALSE(records.empty());
    for (size_t i = 0; i < records.size(); ++i) {
        const CatalogueRecord& r = records[i];
        SCOPED_TRACE(r.title.toStdString());
        Marokey* window = load(int(i));
        ASSERT_NE(window, nullptr) << messages.shown.join(u' ').toStdString();
        EXPECT_GT(window->LineCount, 0);
        EXPECT_GT(r.factor, 0.0f);
        EXPECT_LE(r.factor, 3.0f);
        const bool answers = r.kind == lesson::Questions; // checked on their own below
        for (const QString& line : window->LessonLines) {
            EXPECT_LE(line.size(), widestLine(r.kind)) << line.toStdString();
            EXPECT_TRUE(answers || typeable(r.kind, line)) << line.toStdString();
        }
        if (answers) {
            EXPECT_EQ(window->AnswerLines.size(), window->LineCount);
            for (const QString& line : window->AnswerLines)
                EXPECT_LE(line.size(), 30) << line.toStdString();
        }
    }
    EXPECT_EQ(messages.shown, QStringList());
}

TEST_F(Curriculum, AnswersAreTypedTheWayTheirRunSetsTheInputMethod) {
    static const QRegularExpression word(u"^[a-z]+$"_qs);
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].kind != lesson::Questions) continue;
        SCOPED_TRACE(records[i].title.toStdString());
        Marokey* window = load(int(i));
        ASSERT_NE(window, nullptr);
        // The word run switches the input method off; the others type through it.
        const bool words = records[i].file.startsWith(u"英単語");
        for (const QString& answer : window->AnswerLines)
            EXPECT_TRUE(words ? word.match(answer).hasMatch()
                              : fullWidthOnly(answer) && !answer.isEmpty())
                << answer.toStdString();
    }
}

TEST_F(Curriculum, TheEnglishWordListsPairUpWithOneMeaningPerWord) {
    auto readWords = lessontext::readFields(folder.lessons(), u"英単語.txt"_qs, true);
    auto readMeanings = lessontext::readFields(folder.lessons(), u"英単語意味.txt"_qs, true);
    ASSERT_TRUE(readWords && readMeanings);
    const QStringList words = std::move(readWords).value();
    const QStringList meanings = std::move(readMeanings).value();
    EXPECT_GE(words.size(), 300);
    EXPECT_EQ(words.size(), meanings.size());
    // A meaning that stood for two words would have two right answers but accept one.
    EXPECT_EQ(QSet<QString>(meanings.begin(), meanings.end()).size(), meanings.size());
    EXPECT_EQ(QSet<QString>(words.begin(), words.end()).size(), words.size());
}

TEST_F(Curriculum, EachTabHasItsLessonsWithDistinctTitlesThatFitTheMenu) {
    std::map<int, QStringList> titles;
    for (const CatalogueRecord& r : records) {
        EXPECT_TRUE(r.title.size() <= 14 && fullWidthOnly(r.title)) << r.title.toStdString();
        EXPECT_FALSE(titles[r.kind].contains(r.title)) << r.title.toStdString();
        titles[r.kind] << r.title;
    }
    const std::map<int, int> least = {{1, 24}, {2, 16}, {3, 16}, {4, 10}, {5, 8}, {6, 10}};
    for (auto [kind, count] : least)
        EXPECT_GE(titles[kind].size(), count) << "kind " << kind;
}

TEST_F(Curriculum, MockCertificationLessonsAreAsLongAsTenMinutesAtTheirLevel) {
    const std::map<QString, std::pair<int, int>> lengths = {{u"３級模擬"_qs, {300, 360}},
                                                            {u"２級模擬"_qs, {450, 520}},
                                                            {u"１級模擬"_qs, {700, 800}},
                                                            {u"超上級　"_qs, {1000, 1200}}};
    std::map<QString, int> found;
    for (size_t i = 0; i < records.size(); ++i) {
        const QString mark = records[i].title.left(4);
        if (!lengths.count(mark)) continue;
        SCOPED_TRACE(records[i].title.toStdString());
        EXPECT_EQ(records[i].kind, lesson::Text);
        Marokey* window = load(int(i));
        ASSERT_NE(window, nullptr);
        EXPECT_GE(window->TotalChars, lengths.at(mark).first);
        EXPECT_LE(window->TotalChars, lengths.at(mark).second);
        ++found[mark];
    }
    EXPECT_EQ(
        found,
        (std::map<QString, int>{
            {u"３級模擬"_qs, 4}, {u"２級模擬"_qs, 4}, {u"１級模擬"_qs, 4}, {u"超上級　"_qs, 2}}));
}

TEST_F(Curriculum, TheMenuNumbersEachTabInCatalogueOrder) {
    addWindows(mk.windows, {Menu::kName});
    standIn(u"StartUp"_qs);
    standIn(u"LogOn"_qs);
    standIn(u"SetUp"_qs);
    mk.windows.Show(Menu::kName.toString());
    const Menu* menu = mk.windows.get<Menu>(Menu::kName.toString());
    std::array<QStringList, Menu::kTabs> expected;
    for (const CatalogueRecord& r : records)
        expected[r.kind - 1] << QStringLiteral("%1 : ").arg(expected[r.kind - 1].size() + 1, 3, 10,
                                                            QChar(u'0')) +
                                    r.title;
    for (int t = 0; t < Menu::kTabs; ++t)
        EXPECT_EQ(menu->Lesson[t].items, expected[t]) << "tab " << t + 1;
}

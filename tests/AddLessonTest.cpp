#include "authoring/AddLesson.h"

#include "authoring/NewLesson.h"
#include "core/Catalogue.h"
#include "core/Cp932.h"
#include "support/FormChecks.h"
#include "support/LogOnFixture.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"

#include <QDir>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

const QString kCreated = u"正常にLessonを作成しました！"_qs;
const QString kNoText = u"テキストの内容がないため追加できません！"_qs;
const QString kBadDifficulty =
    u"難易度が正常範囲にありません！\r０より大きく３以下の数値で指定してください。"_qs;

// What each step shows; the echo labels of committed steps stay.
const std::map<int, QString> kShownAt = {
    {1, u"Label1 TBL TB TBL2 Mes NB Command1"_qs},
    {2, u"Label1 TBL TBL2 TitleL Title TitleL2 Mes BB NB Command1"_qs},
    {3, u"Label1 TBL TBL2 TitleL TitleL2 NDL ND NDL2 Mes BB NB Command1"_qs},
    {4, u"Label1 TBL TBL2 TitleL TitleL2 NDL NDL2 Mes LL L KL K BB Add Command1"_qs},
    {5, u"Label1 TBL TBL2 TitleL TitleL2 NDL NDL2 SZL SZ SZL2 Mes BB NB Command1"_qs},
    {6, u"Label1 TBL TBL2 TitleL TitleL2 NDL NDL2 SZL SZL2 Mes LL L BB Add Command1"_qs},
};

struct AddLessonWindow : ::testing::Test {
    ProgramFolder folder;
    TestProgram p{folder.root()};
    WindowRegistry& windows = p.mk.windows;
    AddLesson* w = nullptr;

    AddLessonWindow() {
        folder.fillWithMinimalProgram();
        p.mk.DefaultLessonFolder = folder.lessons();
        p.mk.LessonFolder = folder.data(); // never written: additions go to the program's own
        addWindows(windows, {AddLesson::kName});
        open();
    }
    void open() {
        windows.Show(AddLesson::kName.toString());
        w = windows.get<AddLesson>(AddLesson::kName.toString());
    }

    void click(Control& c) {
        windows.dispatch([&] { w->Click(c); });
    }
    void next(int times = 1) {
        while (times-- > 0)
            click(w->NB);
    }
    void back(int times = 1) {
        while (times-- > 0)
            click(w->BB);
    }
    // As the window layer reports a choice from a drop-down list.
    void choose(Control& list, int index) {
        list.listIndex = index;
        windows.dispatch([&] { w->Change(list); });
        click(list);
    }
    // Tab, title and difficulty, then the order for an ordinary lesson.
    void walkToText(int tab, const QString& title, const QString& difficulty, int order = 1) {
        choose(w->TB, tab);
        next();
        w->Title.caption = title;
        next();
        w->ND.caption = difficulty;
        next();
        if (tab == AddLesson::kQuestionTab) return;
        choose(w->SZ, order);
        next();
    }
    bool closed() const { return !windows.isLoaded(AddLesson::kName.toString()); }
    void expectAt(int step, const QString& focus) {
        SCOPED_TRACE(step);
        EXPECT_EQ(w->step, step);
        EXPECT_EQ(shownNames(*w).join(u' '), kShownAt.at(step));
        EXPECT_EQ(w->Mes.caption, w->help[step]);
        EXPECT_EQ(w->takeFocusRequest(), focus);
        expectNothingOverlaps(*w, false); // empty echo labels draw nothing
    }

    QStringList lessonFolder() const {
        return QDir(folder.lessons()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    QByteArray catalogue() const { return folder.read(u"MKLesson/Lesson_List.Add.txt"_qs); }
    QByteArray lessonFile(const QString& name) const { return folder.read(u"MKLesson/"_qs + name); }
};

} // namespace

TEST_F(AddLessonWindow, OpensAtTheTabStepWithHelpForTheStepsThatAskForAValue) {
    expectAt(1, QString());
    EXPECT_EQ(w->caption, u"Lessonの追加"_qs);
    EXPECT_EQ(w->TB.caption, u"タブ選択"_qs);
    EXPECT_EQ(w->TB.items,
              (QStringList{"初級編", "中級編", "上級編", "数値編", "問題編", "その他"}));
    EXPECT_EQ(w->SZ.caption, u"順序選択"_qs);
    EXPECT_EQ(w->SZ.items, (QStringList{"記載順", "ランダム"}));
    const QList<int> lines = {0, 8, 2, 8, 0, 2, 0};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(w->help[i].isEmpty() ? 0 : w->help[i].count(u'\r') + 1, lines[i]) << i;
    EXPECT_TRUE(w->help[1].startsWith(u"　メニューに表示されるタブを指定してください｡\r"_qs));
    EXPECT_TRUE(w->L.multiLine && w->K.multiLine);
}

TEST_F(AddLessonWindow, NextWaitsForATabAndATitleAndEveryBackOfTheOrdinaryRoadUndoesItsStep) {
    next();
    expectAt(1, QString());
    choose(w->TB, 5);
    next();
    expectAt(2, u"Title"_qs);
    EXPECT_EQ(w->TBL2.caption, u"その他"_qs);
    next(); // no title yet
    expectAt(2, QString());
    w->Title.caption = u"日本の四季"_qs;
    next();
    expectAt(3, u"ND"_qs);
    EXPECT_EQ(w->TitleL2.caption, u"日本の四季"_qs);
    w->ND.caption = u"2.4"_qs;
    next();
    expectAt(5, u"SZ"_qs);
    EXPECT_EQ(w->NDL2.caption, u"2.4"_qs);
    next(); // no order yet
    expectAt(5, QString());
    choose(w->SZ, 1);
    next();
    expectAt(6, u"L"_qs);
    EXPECT_EQ(w->SZL2.caption, u"ランダム"_qs);
    EXPECT_EQ(w->L.geometry.width, AddLesson::kFullWidth);

    const std::pair<int, QString> backs[] = {
        {5, u"SZ"_qs}, {3, u"ND"_qs}, {2, u"Title"_qs}, {1, u"TB"_qs}};
    for (const auto& [step, focus] : backs) {
        back();
        expectAt(step, focus);
    }
    EXPECT_EQ(w->TBL2.caption, u"その他"_qs); // the echo stays until the next choice
}

TEST_F(AddLessonWindow, AQuestionLessonSkipsTheOrderAndATabChangedOnTheWayBackIsFollowed) {
    walkToText(AddLesson::kQuestionTab, u"情報処理"_qs, u"0.1"_qs);
    expectAt(4, u"L"_qs);
    EXPECT_EQ(w->L.geometry.width, AddLesson::kNarrowWidth);
    EXPECT_EQ(w->LL.geometry.width, AddLesson::kNarrowWidth);
    back();
    expectAt(3, u"ND"_qs);
    back(2);
    expectAt(1, u"TB"_qs);
    choose(w->TB, 1);
    next(3);
    expectAt(5, u"SZ"_qs); // the kept title and difficulty pass again
    choose(w->SZ, 0);
    next();
    expectAt(6, u"L"_qs);
    EXPECT_EQ(w->L.geometry.width, AddLesson::kFullWidth);
    EXPECT_EQ(w->LL.geometry.width, AddLesson::kFullWidth);
    // And from the order step back to a question lesson.
    back(4);
    choose(w->TB, AddLesson::kQuestionTab);
    next(3);
    expectAt(4, u"L"_qs);
}

TEST_F(AddLessonWindow, TheDifficultyMustBeANumberAboveZeroUpToThree) {
    const std::pair<QString, bool> cases[] = {
        {u"0"_qs, false},    {u"0.1"_qs, true},    {u"3"_qs, true},
        {u"3.01"_qs, false}, {u"abc"_qs, false},   {u""_qs, false},
        {u"-1"_qs, false},   {u"２．４"_qs, true}, {u"２．４．１"_qs, false}};
    choose(w->TB, 0);
    next();
    w->Title.caption = u"abc"_qs;
    next();
    for (const auto& [typed, passes] : cases) {
        SCOPED_TRACE(typed.toStdString());
        p.messages.shown.clear();
        w->ND.caption = typed;
        next();
        EXPECT_EQ(w->step, passes ? 5 : 3);
        EXPECT_EQ(p.messages.shown, passes ? QStringList() : QStringList{kBadDifficulty});
        if (passes) back();
    }
}

TEST_F(AddLessonWindow, LetterAndNumberTabsTurnTheInputMethodOffForTheLessonText) {
    const ImeMode expected[] = {ImeMode::Off, ImeMode::Hiragana, ImeMode::Hiragana,
                                ImeMode::Off, ImeMode::Hiragana, ImeMode::Off};
    EXPECT_EQ(w->L.imeMode, ImeMode::Hiragana); // no tab yet
    for (int tab = 0; tab < 6; ++tab) {
        choose(w->TB, tab);
        EXPECT_EQ(w->L.imeMode, expected[tab]) << tab;
    }
    // The question box keeps hiragana once set; the letter tabs leave it alone.
    EXPECT_EQ(w->K.imeMode, ImeMode::Hiragana);
}

TEST(CatalogueTitle, ShortTitlesArePaddedToTwentyEightColumnsAndLongOnesCut) {
    // Title length and character, then the characters kept and the spaces added.
    const std::tuple<int, QChar, int, int> cases[] = {
        {13, u'a', 13, 2}, {14, u'a', 14, 0},  {28, u'a', 28, 0},  {29, u'a', 28, 0},
        {5, u'季', 5, 18}, {13, u'季', 13, 2}, {30, u'季', 28, 0}, {0, u'a', 0, 28}};
    for (const auto& [length, c, kept, spaces] : cases)
        EXPECT_EQ(newlesson::catalogueTitle(QString(length, c)),
                  QString(kept, c) + QString(spaces, u' '))
            << length << " of " << QString(c).toStdString();
}

TEST(CatalogueLine, NumbersAreBareAndTheDifficultyInItsShortestDecimalForm) {
    NewLesson lesson{u"abc"_qs, 1, 1, 3.0, u"x"_qs, {}};
    const QByteArray start = "\"abc" + QByteArray(22, ' ') + "\",\"abc.MKL.txt\",1,1,";
    EXPECT_EQ(newlesson::catalogueLine(lesson), start + "3\r\n");
    lesson.difficulty = 1.25;
    EXPECT_EQ(newlesson::catalogueLine(lesson), start + "1.25\r\n");
}

TEST_F(AddLessonWindow, AnOrdinaryLessonWritesItsTextAndAppendsOneCatalogueLine) {
    folder.write(u"MKLesson/Lesson_List.Add.txt"_qs, "\"old\",\"old.txt\",\"1\",1,1"); // no CR LF
    walkToText(5, u"日本の四季"_qs, u"2.4"_qs, 1);
    w->L.caption = u"haru\nnatsu\r\naki\rfuyu"_qs;
    click(w->Add);
    EXPECT_EQ(p.messages.shown, QStringList{kCreated});
    EXPECT_TRUE(closed());
    EXPECT_EQ(catalogue(), QByteArray("\"old\",\"old.txt\",\"1\",1,1\r\n") +
                               cp932::encode(u"\"日本の四季"_qs + QString(18, u' ') +
                                             u"\",\"日本の四季.MKL.txt\",2,6,2.4\r\n"_qs));
    EXPECT_EQ(lessonFile(u"日本の四季.MKL.txt"_qs), "haru\r\nnatsu\r\naki\r\nfuyu\r\n");
    // The catalogue reads the line back as the lesson it describes.
    const auto records = readCatalogue(folder.lessons() + newlesson::kCatalogueFile, 10);
    ASSERT_TRUE(records);
    ASSERT_EQ(records.value().size(), 2u);
    const CatalogueRecord& r = records.value()[1];
    EXPECT_EQ(r.file2, u"2"_qs);
    EXPECT_EQ(r.kind, 6);
    EXPECT_EQ(r.factor, 2.4f);
    EXPECT_TRUE(QDir(folder.data()).entryList({u"*.txt"_qs}).isEmpty());
}

TEST_F(AddLessonWindow, AQuestionLessonNamesItsQuestionsFirstAndTheSameTitleAgainAddsASecondLine) {
    for (const QString& answers : {u"1\n2"_qs, u"3"_qs}) {
        open();
        walkToText(AddLesson::kQuestionTab, u"情報処理"_qs, u"0.1"_qs);
        w->L.caption = answers;
        w->K.caption = u"一たす一は？\n二たす一は？"_qs;
        click(w->Add);
        EXPECT_TRUE(closed());
    }
    const QByteArray line =
        cp932::encode(u"\"情報処理"_qs + QString(20, u' ') +
                      u"\",\"情報処理.MKM.txt\",\"情報処理.MKL.txt\",5,0.1\r\n"_qs);
    EXPECT_EQ(catalogue(), line + line);
    EXPECT_EQ(lessonFile(u"情報処理.MKL.txt"_qs), "3\r\n");
    EXPECT_EQ(lessonFile(u"情報処理.MKM.txt"_qs),
              cp932::encode(u"一たす一は？\r\n二たす一は？\r\n"_qs));
    EXPECT_EQ(p.messages.shown, (QStringList{kCreated, kCreated}));
}

TEST_F(AddLessonWindow, RefusedTextAndTheEndButtonWriteNothing) {
    const QStringList before = lessonFolder();
    walkToText(0, u"abc"_qs, u"1"_qs);
    click(w->Add);
    back(4);
    walkToText(AddLesson::kQuestionTab, u"abc"_qs, u"1"_qs);
    w->L.caption = u"answer"_qs; // but no question
    click(w->Add);
    EXPECT_EQ(p.messages.shown, (QStringList{kNoText, kNoText}));
    // Text the files cannot hold would come back as "?": refused, not lost.
    w->K.caption = u"好きな果物は？😀"_qs;
    click(w->Add);
    EXPECT_TRUE(p.messages.shown.last().startsWith(u"テキストの内容に保存できない文字"_qs));
    w->K.caption = u"好きな果物は？"_qs;
    w->L.caption = u"𠮷野家"_qs; // outside the code page
    click(w->Add);
    EXPECT_EQ(p.messages.shown.size(), 4);
    EXPECT_FALSE(closed());
    // End with a lesson that would now be written.
    w->L.caption = u"answer"_qs;
    click(w->Command1);
    EXPECT_TRUE(closed());
    EXPECT_EQ(p.messages.shown.size(), 4);
    EXPECT_EQ(lessonFolder(), before);
    EXPECT_EQ(catalogue(), QByteArray());
}

TEST_F(AddLessonWindow, TitlesThatCannotNameAFileAreRefusedAtTheTitleStep) {
    // One of each kind; the file-name check's own tests go through them all.
    QStringList refused = {u"a/b"_qs, u"a\"b"_qs,    u"a\tb"_qs, u" a"_qs,
                           u"a."_qs,  u"nul.txt"_qs, u"😀"_qs};
    refused << QString(80, u'季'); // 240 bytes: no room left for the extension
    const QStringList before = lessonFolder();
    choose(w->TB, 0);
    next();
    for (const QString& title : refused) {
        SCOPED_TRACE(title.toStdString());
        p.messages.shown.clear();
        w->Title.caption = title;
        next();
        EXPECT_EQ(w->step, 2);
        ASSERT_EQ(p.messages.shown.size(), 1);
        EXPECT_TRUE(p.messages.shown[0].contains(u"タイトル"_qs));
    }
    EXPECT_EQ(lessonFolder(), before);
    EXPECT_EQ(catalogue(), QByteArray());
}

TEST_F(AddLessonWindow, TheLongestTitleAcceptedIsWrittenWholeAndLookAlikesAreStoredFolded) {
    const QString longest = QString(79, u'季'); // 237 bytes in UTF-8
    walkToText(0, longest, u"3"_qs);
    w->L.caption = u"abc"_qs;
    click(w->Add);
    EXPECT_EQ(p.messages.shown, QStringList{kCreated});
    EXPECT_EQ(lessonFile(longest + u".MKL.txt"_qs), "abc\r\n");

    open();
    walkToText(0, u"a\u301Cb"_qs, u"1"_qs); // a wave dash as other systems type it
    w->L.caption = u"x"_qs;
    click(w->Add);
    EXPECT_TRUE(folder.exists(u"MKLesson/a\uFF5Eb.MKL.txt"_qs));
}

TEST_F(AddLessonWindow, AFailedWriteKeepsTheWindowAndTheTextAndAddsNoCatalogueLine) {
    // A folder stands where the question file should go.
    QDir(folder.lessons()).mkdir(u"情報処理.MKM.txt"_qs);
    walkToText(AddLesson::kQuestionTab, u"情報処理"_qs, u"0.1"_qs);
    w->L.caption = u"1"_qs;
    w->K.caption = u"question"_qs;
    click(w->Add);
    ASSERT_EQ(p.messages.shown.size(), 1);
    EXPECT_TRUE(p.messages.shown[0].startsWith(u"Lessonを作成できませんでした。"_qs));
    EXPECT_FALSE(closed());
    EXPECT_EQ(w->step, 4);
    EXPECT_EQ(w->K.caption, u"question"_qs);
    EXPECT_EQ(catalogue(), QByteArray());

    // The lesson folder gone altogether.
    p.mk.DefaultLessonFolder = folder.root() + u"missing/"_qs;
    click(w->Add);
    EXPECT_EQ(p.messages.shown.size(), 2);
    EXPECT_FALSE(QDir(p.mk.DefaultLessonFolder).exists());
    EXPECT_FALSE(closed());
}

struct LogOnToAddLesson : LogOnFixture {};

TEST_F(LogOnToAddLesson, TheLessonButtonOpensTheWindowWhileTheOtherToolsStayGreyed) {
    addWindows(windows, {AddLesson::kName});
    LogOn* w = logOn();
    EXPECT_TRUE(w->L1.enabled);
    EXPECT_FALSE(w->FS.enabled);
    EXPECT_FALSE(w->S1.enabled);
    windows.dispatch([&] { w->Click(w->L1); });
    EXPECT_TRUE(windows.isVisible(AddLesson::kName.toString()));
    EXPECT_TRUE(windows.find(AddLesson::kName.toString())->modal);
    EXPECT_TRUE(windows.isLoaded(u"LogOn"_qs));
}

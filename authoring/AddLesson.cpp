#include "authoring/AddLesson.h"

#include "authoring/AddLessonTexts.h"
#include "authoring/NewLesson.h"
#include "core/Cp932.h"
#include "core/FileNames.h"
#include "core/MkMain.h"

#include <QLocale>
#include <initializer_list>
#include <optional>

namespace {

constexpr int kLeft = 240;
constexpr int kInputLeft = 1800;
constexpr int kEchoLeft = 6240;
constexpr int kEchoWidth = 5535;
// Below the four step rows (the last ends at 2835), above the buttons.
constexpr int kTextTop = 3360;
constexpr int kTextHeight = 3120;
constexpr int kButtonTop = 6720;

int rowTop(int row) {
    return 840 + row * 540;
}
Twips headingAt(int row) {
    return {kLeft, rowTop(row) + 30, 1440, 345};
}
Twips inputAt(int row, int width) {
    return {kInputLeft, rowTop(row), width, 405};
}
Twips echoAt(int row) {
    return {kEchoLeft, rowTop(row) + 30, kEchoWidth, 345};
}
Twips buttonAt(int left) {
    return {left, kButtonTop, 1380, 435};
}

// A heading label and the echo of its step's committed value, heard under the heading.
Control echoLabel(const QString& name, const QString& heading, int row) {
    Control c = makeLabel(name, {}, echoAt(row), 11);
    c.accessibleName = heading;
    return c;
}

Control dropDown(const QString& name, const QString& heading, const QStringList& items,
                 const QString& prompt, int row) {
    Control c = makeControl(ControlKind::ComboBox, name, prompt, inputAt(row, 2400), 11);
    c.accessibleName = heading;
    c.items = items;
    return c;
}

Control textArea(const QString& name, const QString& heading, Twips at) {
    Control c = makeTextBox(name, heading, at);
    c.multiLine = true;
    return c;
}

// Full-width digits typed with the input method on count as digits; anything
// that is still not a number is as unusable as one out of range.
std::optional<double> difficultyOf(const QString& typed) {
    bool ok = false;
    const double d =
        QLocale::c().toDouble(typed.normalized(QString::NormalizationForm_KC).trimmed(), &ok);
    if (!ok || !(d > 0.0 && d <= 3.0)) return std::nullopt;
    return d;
}

void setShown(std::initializer_list<Control*> controls, bool visible) {
    for (Control* c : controls)
        c->visible = visible;
}

} // namespace

AddLesson::AddLesson(MkMain& mk)
    : Window(mk, kName.toString()),
      Label1(makeLabel(QStringLiteral("Label1"), QStringLiteral("Lessonの作成"),
                       {kLeft, 120, 4320, 480}, 18)),
      TBL(makeLabel(QStringLiteral("TBL"), QStringLiteral("タブ番号"), headingAt(0), 11)),
      TB(dropDown(QStringLiteral("TB"), QStringLiteral("タブ番号"),
                  {QStringLiteral("初級編"), QStringLiteral("中級編"), QStringLiteral("上級編"),
                   QStringLiteral("数値編"), QStringLiteral("問題編"), QStringLiteral("その他")},
                  QStringLiteral("タブ選択"), 0)),
      TBL2(echoLabel(QStringLiteral("TBL2"), QStringLiteral("タブ番号"), 0)),
      TitleL(makeLabel(QStringLiteral("TitleL"), QStringLiteral("タイトル"), headingAt(1), 11)),
      Title(makeTextBox(QStringLiteral("Title"), QStringLiteral("タイトル"), inputAt(1, 4200))),
      TitleL2(echoLabel(QStringLiteral("TitleL2"), QStringLiteral("タイトル"), 1)),
      NDL(makeLabel(QStringLiteral("NDL"), QStringLiteral("難易度"), headingAt(2), 11)),
      ND(makeTextBox(QStringLiteral("ND"), QStringLiteral("難易度"), inputAt(2, 2400))),
      NDL2(echoLabel(QStringLiteral("NDL2"), QStringLiteral("難易度"), 2)),
      SZL(makeLabel(QStringLiteral("SZL"), QStringLiteral("出題順序"), headingAt(3), 11)),
      SZ(dropDown(QStringLiteral("SZ"), QStringLiteral("出題順序"),
                  {QStringLiteral("記載順"), QStringLiteral("ランダム")},
                  QStringLiteral("順序選択"), 3)),
      SZL2(echoLabel(QStringLiteral("SZL2"), QStringLiteral("出題順序"), 3)),
      Mes(makeLabel(QStringLiteral("Mes"), {},
                    {kLeft, kTextTop - 360, kFullWidth, kButtonTop - 120 - (kTextTop - 360)})),
      LL(makeLabel(QStringLiteral("LL"), QStringLiteral("Lesson内容"),
                   {kLeft, kTextTop - 360, kFullWidth, 345}, 11)),
      L(textArea(QStringLiteral("L"), QStringLiteral("Lesson内容"),
                 {kLeft, kTextTop, kFullWidth, kTextHeight})),
      KL(makeLabel(
          QStringLiteral("KL"), QStringLiteral("問題内容"),
          {kLeft + kNarrowWidth + 120, kTextTop - 360, kFullWidth - kNarrowWidth - 120, 345}, 11)),
      K(textArea(
          QStringLiteral("K"), QStringLiteral("問題内容"),
          {kLeft + kNarrowWidth + 120, kTextTop, kFullWidth - kNarrowWidth - 120, kTextHeight})),
      BB(makeButton(QStringLiteral("BB"), QStringLiteral("戻る"), buttonAt(5760), 10)),
      NB(makeButton(QStringLiteral("NB"), QStringLiteral("次へ"), buttonAt(7260), 10)),
      Add(makeButton(QStringLiteral("Add"), QStringLiteral("作成"), buttonAt(7260), 10)),
      Command1(
          makeButton(QStringLiteral("Command1"), QStringLiteral("終了"), buttonAt(10395), 10)) {
    caption = QStringLiteral("Lessonの追加");
    geometry = {0, 0, 12000, 7800};
    Label1.bold = true;
    Mes.accessibleName = QStringLiteral("説明");
    Mes.wordWrap = true;
    Title.imeMode = ImeMode::Hiragana;
    ND.imeMode = ImeMode::Off;
    // Only the first step shows at first; each step brings its own controls.
    setShown({&TitleL, &Title, &TitleL2, &NDL, &ND, &NDL2, &SZL, &SZ, &SZL2, &LL, &L, &KL, &K, &BB},
             false);
    for (Control* c :
         {&Label1, &TBL,  &TB,  &TBL2, &TitleL, &Title, &TitleL2, &NDL, &ND, &NDL2, &SZL,
          &SZ,     &SZL2, &Mes, &LL,   &L,      &KL,    &K,       &BB,  &NB, &Add,  &Command1})
        add(*c);
}

void AddLesson::Form_Load() {
    TB.listIndex = -1;
    SZ.listIndex = -1;
    Add.visible = false;
    step = kTab;
    help = addlesson::helpTexts();
    Mes.caption = help[kTab];
    TB_Change();
}

void AddLesson::Click(Control& c) {
    if (&c == &NB) NB_Click();
    if (&c == &BB) BB_Click();
    if (&c == &Add) Add_Click();
    if (&c == &Command1) Command1_Click();
}

void AddLesson::Change(Control& c) {
    if (&c == &TB) TB_Change();
}

void AddLesson::TB_Change() {
    const int tab = TB.listIndex;
    if (tab == 0 || tab == 3 || tab == 5) {
        L.imeMode = ImeMode::Off;
        return;
    }
    L.imeMode = ImeMode::Hiragana;
    K.imeMode = ImeMode::Hiragana;
}

void AddLesson::goTo(qint16 next, Control& focus) {
    step = next;
    Mes.caption = help[next];
    SetFocus(focus);
}

void AddLesson::setTextWidth(int width) {
    L.geometry.width = width;
    LL.geometry.width = width;
}

void AddLesson::NB_Click() {
    switch (step) {
    case kTab:
        return nextFromTab();
    case kTitle:
        return nextFromTitle();
    case kDifficulty:
        return nextFromDifficulty();
    case kOrder:
        return nextFromOrder();
    default:
        return; // the text steps hide 次へ
    }
}

void AddLesson::nextFromTab() {
    if (TB.listIndex < 0) return;
    TBL2.caption = TB.items.at(TB.listIndex);
    TB.visible = false;
    setShown({&Title, &TitleL, &TitleL2, &BB}, true);
    goTo(kTitle, Title);
}

bool AddLesson::titleRefused() {
    const QString title = cp932::foldLookAlikes(Title.caption);
    const auto problem = filenames::problem(title, QStringLiteral(".MKL.txt"));
    if (!problem) return false;
    mk.ShowMessageText(addlesson::titleRefused(*problem));
    SetFocus(Title);
    return true;
}

void AddLesson::nextFromTitle() {
    if (Title.caption.isEmpty() || titleRefused()) return;
    TitleL2.caption = Title.caption;
    Title.visible = false;
    setShown({&ND, &NDL, &NDL2}, true);
    goTo(kDifficulty, ND);
}

void AddLesson::nextFromDifficulty() {
    if (!difficultyOf(ND.caption)) {
        mk.ShowMessageText(addlesson::difficultyRefused());
        return;
    }
    if (TB.listIndex == kQuestionTab) {
        setTextWidth(kNarrowWidth);
        setShown({&L, &LL, &K, &KL, &Add}, true);
        NB.visible = false;
        goTo(kQuestionText, L);
    } else {
        setShown({&SZ, &SZL, &SZL2}, true);
        goTo(kOrder, SZ);
    }
    NDL2.caption = ND.caption;
    ND.visible = false;
}

void AddLesson::nextFromOrder() {
    if (SZ.listIndex < 0) return;
    setTextWidth(kFullWidth);
    setShown({&L, &LL}, true);
    SZL2.caption = SZ.items.at(SZ.listIndex);
    setShown({&SZ, &NB}, false);
    Add.visible = true;
    goTo(kText, L);
}

void AddLesson::BB_Click() {
    switch (step) {
    case kTitle:
        setShown({&Title, &TitleL, &TitleL2, &BB}, false);
        TB.visible = true;
        return goTo(kTab, TB);
    case kDifficulty:
        setShown({&ND, &NDL, &NDL2}, false);
        Title.visible = true;
        return goTo(kTitle, Title);
    case kQuestionText:
        setShown({&L, &LL, &K, &KL, &Add}, false);
        setShown({&NB, &ND}, true);
        return goTo(kDifficulty, ND);
    case kOrder:
        setShown({&SZ, &SZL, &SZL2}, false);
        ND.visible = true;
        return goTo(kDifficulty, ND);
    case kText:
        setShown({&L, &LL, &Add}, false);
        setShown({&SZ, &NB}, true);
        return goTo(kOrder, SZ);
    default:
        return; // 戻る is hidden at the first step
    }
}

void AddLesson::Add_Click() {
    const bool questions = step == kQuestionText;
    if (L.caption.isEmpty() || (questions && K.caption.isEmpty())) {
        mk.ShowMessageText(addlesson::noText());
        return;
    }
    const auto storable = [](const Control& box) {
        return cp932::represents(cp932::foldLookAlikes(box.caption));
    };
    if (!storable(L) || (questions && !storable(K))) {
        mk.ShowMessageText(addlesson::textRefused());
        return;
    }
    const auto difficulty = difficultyOf(ND.caption);
    if (!difficulty || titleRefused()) return; // only reachable past both checks
    NewLesson lesson;
    lesson.title = cp932::foldLookAlikes(Title.caption);
    lesson.kind = TB.listIndex + 1;
    lesson.order = SZ.listIndex + 1;
    lesson.difficulty = *difficulty;
    lesson.text = L.caption;
    if (questions) lesson.questions = K.caption;
    // The teacher's text stays in the window when the files cannot be written.
    if (!newlesson::write(mk.DefaultLessonFolder, lesson)) {
        mk.ShowMessageText(addlesson::writeFailed(mk.DefaultLessonFolder));
        return;
    }
    mk.ShowMessageText(addlesson::created());
    mk.windows.Unload(name());
}

void AddLesson::Command1_Click() {
    mk.windows.Unload(name());
}

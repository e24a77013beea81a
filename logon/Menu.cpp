#include "logon/Menu.h"

#include "core/MkMain.h"

#include <algorithm>

namespace {

const char16_t* const kTabNames[] = {u"初級編", u"中級編", u"上級編",
                                     u"数値編", u"問題編", u"その他"};

} // namespace

Menu::Menu(MkMain& mk)
    : Window(mk, kName.toString()),
      SSTab1(makeControl(ControlKind::TabStrip, QStringLiteral("SSTab1"), {}, {240, 840, 8400, 435},
                         11)),
      Label6(makeLabel(QStringLiteral("Label6"), QStringLiteral("Lesson Select Menu"),
                       {240, 120, 8400, 600}, 22)),
      Label1(makeLabel(QStringLiteral("Label1"),
                       QStringLiteral("ここのLessonは大文字・小文字が区別されます"),
                       {240, 5520, 8400, 330}, 10)),
      Option1(makeControl(ControlKind::OptionButton, QStringLiteral("Option1"),
                          QStringLiteral("XGA"), {8880, 1320, 1560, 360}, 11)),
      Option2(makeControl(ControlKind::OptionButton, QStringLiteral("Option2"),
                          QStringLiteral("SVGA"), {8880, 1740, 1560, 360}, 11)),
      // Kana lessons key by key in romaji, for pupils without a working input method.
      Romaji(makeControl(ControlKind::CheckBox, QStringLiteral("Romaji"),
                         QStringLiteral("ローマ字"), {8880, 2280, 1560, 360}, 11)),
      Command2(makeButton(QStringLiteral("Command2"), QStringLiteral("ユーザ定義"),
                          {8880, 3840, 1560, 480}, 10)),
      Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("Exit"),
                          {8880, 5280, 1560, 480}, 11)),
      MMControl2(mk, QStringLiteral("MK_Menu.mid"), [this] { MMControl2_StatusUpdate(); }) {
    caption = QStringLiteral("Lesson Select Menu");
    // Enter and letters choose a lesson: nothing may take the keyboard from the list.
    keyboardStaysInBox = true;
    geometry = {0, 0, 10680, 6120};
    backColor = 0xFFF8F0;
    Label6.bold = true;
    Label6.foreColor = 0x8B4513;
    Label1.foreColor = colors::kRed;
    Label1.visible = false;
    for (const char16_t* tab : kTabNames)
        SSTab1.items << QString::fromUtf16(tab);
    SSTab1.listIndex = 0;
    SSTab1.accessibleName = QStringLiteral("Lesson");
    for (int t = 0; t < kTabs; ++t) {
        Lesson[t] = makeControl(ControlKind::ListBox, QStringLiteral("Lesson"), {},
                                {240, 1275, 8400, 4200}, 12);
        Lesson[t].index = t;
        Lesson[t].accessibleName = QString::fromUtf16(kTabNames[t]);
        Lesson[t].visible = t == 0;
    }
    Option1.value = 1;
    add(Label6);
    add(SSTab1);
    addAll(Lesson);
    for (Control* c : {&Label1, &Option1, &Option2, &Romaji, &Command2, &Command1})
        add(*c);
}

QString Menu::lessonWindow() const {
    return mk.UseLargeWindow ? QStringLiteral("Marokey") : QStringLiteral("MarokeySVGA");
}

void Menu::unloadLessonWindow() {
    mk.windows.Unload(lessonWindow());
}

void Menu::Form_Load() {
    unloadLessonWindow();
    for (const char* name : {"StartUp", "LogOn", "SetUp"})
        mk.windows.Unload(QString::fromLatin1(name));
    MusicTicks = 0;
    CategoryCount.fill(0);
    for (int i = 0; i <= mk.LastLessonIndex; ++i) {
        const int t = mk.LessonKind[i] - 1;
        if (t < 0 || t >= kTabs) continue; // no tab for that kind
        const int n = CategoryCount[t];
        if (n >= kListed) continue;
        Lesson[t].items << QStringLiteral("%1 : ").arg(n + 1, 3, 10, QChar(u'0')) +
                               mk.LessonTitle[i];
        MenuMap[t][n] = static_cast<qint16>(i);
        CategoryCount[t] = static_cast<qint16>(n + 1);
    }
    MMControl2.start();
    mk.UseLargeWindow = MkMain::True;
    Romaji.value = mk.RomajiInput ? 1 : 0;
    Command2.enabled = mk.windows.knows(QStringLiteral("EnglishLesson"));
    SetFocus(Lesson[0]);
}

void Menu::showTab(int tab) {
    for (int t = 0; t < kTabs; ++t)
        Lesson[t].visible = t == tab;
    Label1.visible = tab == 5;
    SetFocus(Lesson[tab]);
}

void Menu::Click(Control& c) {
    if (&c == &SSTab1) showTab(std::clamp(SSTab1.listIndex, 0, kTabs - 1));
    if (&c == &Option1) {
        mk.UseLargeWindow = MkMain::True;
        Option2.value = 0;
    }
    if (&c == &Option2) {
        mk.UseLargeWindow = MkMain::False;
        Option1.value = 0;
    }
    if (&c == &Romaji) mk.RomajiInput = Romaji.value != 0;
    if (&c == &Command2) mk.windows.Show(QStringLiteral("EnglishLesson"));
    if (&c == &Command1) Command1_Click();
}

void Menu::DblClick(Control& c) {
    if (c.name == u"Lesson") ConfirmLesson(c.index);
}

void Menu::KeyPress(Control& c, int& keyAscii) {
    if (c.name == u"Lesson" && keyAscii != 0) ConfirmLesson(c.index);
}

void Menu::ConfirmLesson(int index) {
    const int p = Lesson[index].listIndex;
    if (p < 0 || p >= 500) return;
    mk.CurrentLesson = MenuMap[index][p];
    mk.MessageText =
        mk.LessonTitle[mk.CurrentLesson] + QStringLiteral("\r\rLessonを行います。よろしいですか？");
    if (mk.ShowMessage(1) == MessageAnswer::Yes) mk.windows.Show(lessonWindow());
}

void Menu::Command1_Click() {
    mk.MessageText = QStringLiteral("マロキーを終了します。\r\rよろしいですか？");
    if (mk.ShowMessage(1) == MessageAnswer::Yes) mk.windows.Show(QStringLiteral("Ending"));
}

#include "engine/compact/MarokeySVGA.h"

#include "core/MkMain.h"
#include "engine/Results.h"

namespace {

constexpr int kLeft = 600;
constexpr int kLineWidth = 10815;
constexpr int kKeypadLeft = 5880;
constexpr int kKeyboardTop = 2760;

void place(Control& c, Twips at, double fontSize, Alignment align = Alignment::Left) {
    c.geometry = at;
    c.fontSize = fontSize;
    c.alignment = align;
}

} // namespace

MarokeySVGA::MarokeySVGA(MkMain& mk)
    : LessonWindow(mk, kName.toString()), TK_Back(makeLabel(QStringLiteral("TK_Back"))) {
    caption = QStringLiteral("Marokey");
    geometry = {0, 0, 12000, 9000};
    backColor = 0xFFF8F0;
    layOutKeyboard(kLeft, kKeyboardTop, kKeypadLeft);
    recaption();
    layOut();
    addEngineControls(&TK_Back);
    for (Control& h : headings)
        add(h);
}

void MarokeySVGA::recaption() {
    const std::pair<Control*, const char16_t*> caps[] = {{&AZ[0], u"半角／　　　全角"},
                                                         {&AZ[14], u"Back spase"},
                                                         {&TK[12], u"Enter"},
                                                         {&TK[16], u"Num  Lock"}};
    for (auto [c, text] : caps)
        c->caption = QString::fromUtf16(text);
    Lesson_Select.caption = QStringLiteral("Return");
    Lesson_Select.accessibleName = Lesson_Select.caption;
}

void MarokeySVGA::layOut() {
    TK_Back.geometry = {kLeft, kKeyboardTop, kLineWidth, 3615};
    TK_Back.backColor = colors::kLightGrey;
    TK_Back.caption.clear();
    TK_Back.accessibleName = QStringLiteral("テンキーの背景");
    TK_Back.visible = false;
    TK_F.visible = false;

    place(Tit, {kLeft, 60, 7080, 375}, 12);
    Tit.bold = true;
    Tit.transparent = false; // opaque, so it reads over the keypad panel too
    place(K_P, {kLeft, 480, 7080, 195}, 9);
    K_P.accessibleName = QStringLiteral("総経験値");
    place(Repeat, {7800, 60, 1080, 420}, 10);
    place(Lesson_Select, {9000, 60, 1080, 420}, 10);
    place(Tim, {7800, 540, 3615, 300}, 10, Alignment::Right);
    Tim.accessibleName = QStringLiteral("時刻");

    place(L, {kLeft, 1080, kLineWidth, 795}, 17);
    place(H, lineInputGeometry(), 17);
    for (Control* c : {&L, &H}) {
        c->backColor = colors::kWhite;
        c->foreColor = colors::kBlack;
    }
    H.foreColor = 0x800000;
    place(T, lineInputGeometry(), 17);
    layOutCounters();
}

void MarokeySVGA::addHeading(Control& of, const char16_t* caption, Twips at) {
    of.accessibleName = QString::fromUtf16(caption);
    Control h = makeLabel(u"Head_"_qs + of.name);
    h.caption = of.accessibleName;
    h.geometry = at;
    h.fontSize = 7;
    h.foreColor = 0x604020;
    headings.push_back(h);
}

void MarokeySVGA::layOutCounters() {
    // Two columns right of the hands, under the keyboard: heading, then value.
    const std::pair<Control*, const char16_t*> counters[] = {
        {&K_K, u"総経験値"}, {&S_T, u"最高得点"}, {&Z_T, u"前回得点"},
        {&Z_G, u"全 行 数"}, {&M_C, u"全文字数"}, {&N_L, u"Line"},
        {&Miss, u"Miss"},    {&BTim, u"Time"},    {&TOKUTEN, u"得点"}};
    int i = 0;
    for (auto [c, heading] : counters) {
        const int x = 8760 + (i % 2) * 1380;
        const int y = 6420 + (i / 2) * 405;
        place(*c, {x + 600, y, 720, 375}, 11, Alignment::Right);
        addHeading(*c, heading, {x, y + 60, 600, 285});
        ++i;
    }
    // The grade is the widest value; it goes left of the hands.
    place(LEV, {kLeft, 7740, 1800, 435}, 12, Alignment::Center);
    addHeading(LEV, u"Ｌｅｖｅｌ", {kLeft, 7440, 1800, 285});
}

void MarokeySVGA::SetTenKeyLayout() {
    TenKeyFinger = {8, 4, 5, 6, 4, 5, 6, 4, 5, 6, 6, 7, 7, 7, 6, 5};
    TK_Back.visible = true;
    TK_F.visible = true;
    // Title and progress sit on the panel, left of the keypad.
    Tit.geometry = {kLeft, 5640, kKeypadLeft - kLeft - 120, Tit.geometry.height};
    K_P.geometry = {kLeft, 6000, kKeypadLeft - kLeft - 120, K_P.geometry.height};
    for (Control* c : {&L, &H}) {
        c->fontSize = 36;
        c->geometry.width = 2895;
        c->geometry.left = kKeypadLeft;
    }
    L.caption = QStringLiteral("表示");
    H.caption = QStringLiteral("入力");
}

void MarokeySVGA::ShowResults() {
    scoreRun();
    ExperienceText =
        results::compactExperienceText(GainedExperience, TotalExperience, TenMinuteCount);
    K_K.caption = QString::number(TotalExperience);
    PushScoreHistory();
}

void MarokeySVGA::afterResults() {
    mk.ShowMessageText(mk.LessonTitle[mk.CurrentLesson] +
                       QStringLiteral("\rLessonを終了しました。\r\r") + ExperienceText);
    LeaveResults();
}

void MarokeySVGA::milestone(int reached) {
    // Neither window is hidden, so the game goes back to the menu, in repeat mode too.
    mk.ShowMessageText(QStringLiteral("経験値が　") + QString::number(reached) +
                       QStringLiteral("　を超えた！\rここでマウスの練習をしよう！"));
    showMoleGame();
}

#include "engine/Marokey.h"

#include "core/MkMain.h"
#include "engine/ProgressPage.h"
#include "engine/Results.h"

namespace {

constexpr int kMargin = 720;
constexpr int kLineWidth = 13935;
constexpr int kKeypadLeft = 11760;

void place(Control& c, Twips at, double fontSize, Alignment align = Alignment::Left) {
    c.geometry = at;
    c.fontSize = fontSize;
    c.alignment = align;
}

Control label(const QString& name) {
    return makeLabel(name);
}

} // namespace

Marokey::Marokey(MkMain& mk)
    : LessonWindow(mk, kName.toString()), P(label(QStringLiteral("P"))),
      LSIMEI(label(QStringLiteral("LSIMEI"))), LNEN(label(QStringLiteral("LNEN"))),
      LKUMI(label(QStringLiteral("LKUMI"))), LBAN(label(QStringLiteral("LBAN"))),
      Credit(label(QStringLiteral("Credit"))),
      Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("Print"))),
      WebBrowser1(label(QStringLiteral("WebBrowser1"))) {
    caption = QStringLiteral("Marokey");
    geometry = {0, 0, 15120, 10500};
    backColor = 0xFFF8F0;
    layOutKeyboard(kMargin, 4920, kKeypadLeft);
    layOut();
    addEngineControls();
    for (Control& h : headings)
        add(h);
    for (Control* c : {&LSIMEI, &LNEN, &LKUMI, &LBAN, &Credit, &Command1, &WebBrowser1, &P})
        add(*c);
}

void Marokey::addHeading(const QString& caption, const Control& of, int width) {
    Control h = label(u"Head_"_qs + of.name);
    h.caption = caption;
    h.geometry = {of.geometry.left, of.geometry.top - 300, width, 285};
    h.fontSize = 9;
    h.foreColor = 0x604020;
    headings.push_back(h);
}

void Marokey::layOut() {
    place(Tit, {kMargin, 120, 8400, 435}, 14);
    Tit.bold = true;
    place(K_P, {kMargin, 600, 8400, 255}, 9);
    K_P.accessibleName = QStringLiteral("総経験値");

    // The pupil, top right.
    place(LNEN, {9360, 720, 480, 375}, 12, Alignment::Right);
    place(LKUMI, {10200, 720, 480, 375}, 12, Alignment::Right);
    place(LBAN, {11040, 720, 480, 375}, 12, Alignment::Right);
    place(LSIMEI, {kKeypadLeft, 720, 2895, 375}, 12);
    addHeading(QStringLiteral("ユーザー"), LNEN, 1200);
    headings.back().geometry.top = 120;
    for (auto [unit, of] : {std::pair{u"年", &LNEN}, {u"組", &LKUMI}, {u"番", &LBAN}}) {
        Control h = label(u"Head_"_qs + of->name);
        h.caption = QString::fromUtf16(unit);
        h.geometry = {of->geometry.left + 480, 760, 300, 330};
        headings.push_back(h);
    }
    addHeading(QStringLiteral("氏名"), LSIMEI);
    for (Control* c : {&LNEN, &LKUMI, &LBAN, &LSIMEI})
        c->accessibleName = headings.back().caption;
    LNEN.accessibleName = QStringLiteral("年");
    LKUMI.accessibleName = QStringLiteral("組");
    LBAN.accessibleName = QStringLiteral("番");

    // The counters in one row, each under its heading.
    const std::pair<Control*, const char16_t*> counters[] = {
        {&K_K, u"総経験値"}, {&S_T, u"最高得点"},  {&Z_T, u"前回得点"}, {&Z_G, u"全行数"},
        {&M_C, u"全文字数"}, {&N_L, u"残行数"},    {&Miss, u"ミス"},    {&BTim, u"経過時間"},
        {&TOKUTEN, u"得点"}, {&LEV, u"Ｌｅｖｅｌ"}};
    int x = kMargin;
    for (auto [c, heading] : counters) {
        const int width = c == &LEV ? 1800 : 1320;
        place(*c, {x, 1500, width - 120, 435}, 14, Alignment::Right);
        c->accessibleName = QString::fromUtf16(heading);
        addHeading(c->accessibleName, *c, width - 120);
        x += width;
    }
    LEV.alignment = Alignment::Center;

    place(Tim, {kKeypadLeft, 2160, 2895, 375}, 12, Alignment::Right);
    Tim.accessibleName = QStringLiteral("時刻");
    place(Repeat, {kMargin, 2160, 1320, 450}, 10);
    place(Lesson_Select, {2160, 2160, 1320, 450}, 10);
    place(Command1, {3600, 2160, 1320, 450}, 10);
    place(Credit, {5280, 2220, 6240, 330}, 9);
    Credit.caption = QStringLiteral("Marokey 2.1　　Produced   by　Marokey 開発チーム");
    Credit.foreColor = 0x808080;

    place(L, {kMargin, 3240, kLineWidth, 795}, 17);
    place(H, {kMargin, 4080, kLineWidth, 795}, 17);
    for (Control* c : {&L, &H}) {
        c->backColor = colors::kWhite;
        c->foreColor = colors::kBlack;
    }
    H.foreColor = 0x800000;
    // Until a run starts the box shows the start prompt, on the line it asks for.
    place(T, lineInputGeometry(), 17);

    place(P, {kMargin, 4920, kLineWidth, 3615}, 12);
    P.visible = false;
    P.transparent = true;
    P.backColor = colors::kWhite;
    P.accessibleName = QStringLiteral("結果");

    // Right of the hands, where the right hand goes in a ten-key run.
    place(WebBrowser1, {9000, 8640, 5655, 1380}, 8);
    WebBrowser1.wordWrap = true;
    WebBrowser1.border = true;
    WebBrowser1.backColor = colors::kWhite;
    WebBrowser1.foreColor = 0x604020;
    WebBrowser1.accessibleName = QStringLiteral("あなたの記録");
}

void Marokey::showProgress() {
    progress::Scores scores{};
    for (int k = 0; k < static_cast<int>(scores.size()); ++k)
        scores[k] = mk.ScoreHistory(mk.CurrentLesson, k);
    WebBrowser1.caption = progress::pageText(scores, ExperienceMilestones);
}

void Marokey::Click(Control& c) {
    if (&c == &Command1) return Command1_Click();
    LessonWindow::Click(c);
}

void Marokey::Command1_Click() {
    const auto copies = mk.ports.printer.askCopies();
    if (copies) mk.ports.printer.print(PrintText, QStringLiteral("ＭＳ 明朝"), 24, *copies);
    SetFocus(T);
}

void Marokey::showPupil() {
    LNEN.caption = QString::number(mk.Grade);
    LKUMI.caption = QString::number(mk.ClassNo);
    LBAN.caption = QString::number(mk.PupilNo);
    LSIMEI.caption = mk.UserName;
    showProgress();
}

void Marokey::SetTenKeyLayout() {
    TenKeyFinger = {8, 4, 5, 6, 4, 5, 6, 4, 5, 6, 6, 7, 7, 7, 6, 5};
    for (Control* c : {&L, &H}) {
        c->fontSize = 36;
        c->geometry.width = 2895;
        c->geometry.left = kKeypadLeft;
        c->alignment = Alignment::Right;
    }
    L.caption = QStringLiteral("表示");
    H.caption = QStringLiteral("入力");
    WebBrowser1.visible = false;
    if (TenKeyLayoutDone == 0) {
        // The right hand moves over the keypad, once per window.
        for (int n = 4; n <= 8; ++n)
            for (Control* c : {&F[n], &Shape2[n], &Shape4[n]})
                c->geometry.left += 5400;
        Shape2[9].geometry.left += 5400;
        TenKeyLayoutDone = 1;
    }
}

void Marokey::ShowResults() {
    scoreRun();
    Timer1.enabled = false;
    ExperienceText =
        results::experienceText(GainedExperience, TotalExperience, TenMinuteCount, LEV.caption);
    if (isMockLesson()) setLineLayout(17, 795, 3240, 4080);
    T.geometry = keyInputGeometry();
    TK_F.visible = false;
    const results::Summary summary{mk.LessonTitle[mk.CurrentLesson],
                                   mk.Grade,
                                   mk.ClassNo,
                                   mk.PupilNo,
                                   mk.UserName,
                                   BTim.caption,
                                   Miss.caption,
                                   Score,
                                   TotalExperience,
                                   TenMinuteCount,
                                   LEV.caption,
                                   ExperienceText};
    P.caption = results::panelText(summary);
    PrintText = results::printText(summary);
    P.transparent = false;
    P.visible = true;
    K_K.caption = QString::number(TotalExperience);
    PushScoreHistory();
    showProgress();
    Phase = Shown;
}

void Marokey::hideResultsPanel() {
    P.transparent = true;
    P.visible = false;
}

void Marokey::milestone(int reached) {
    if (RepeatOn == 1) mk.GameFromRepeat = 1;
    mk.windows.Hide(name());
    mk.windows.Hide(QStringLiteral("Menu"));
    mk.ShowMessageText(QStringLiteral("経験値が　") + QString::number(reached) +
                       QStringLiteral("　を超えた！\rここでマウスの練習をしよう！"));
    showMoleGame();
}

#include "engine/LessonWindow.h"

#include "core/MkMain.h"
#include "engine/KeyboardCaps.h"
#include "engine/Results.h"

namespace {

Control label(const QString& name, const QString& caption = QString()) {
    return makeLabel(name, caption);
}

Control button(const QString& name, const QString& caption) {
    return makeButton(name, caption);
}

} // namespace

LessonWindow::LessonWindow(MkMain& mk, const QString& name)
    : Window(mk, name), T(label(QStringLiteral("T"), kStartPrompt)),
      L(label(QStringLiteral("L"), kLinePlaceholder)), H(label(QStringLiteral("H"), kStartPrompt)),
      Tit(label(QStringLiteral("Tit"))), K_P(label(QStringLiteral("K_P"))),
      K_K(label(QStringLiteral("K_K"), QStringLiteral("0"))),
      S_T(label(QStringLiteral("S_T"), QStringLiteral("0"))),
      Z_T(label(QStringLiteral("Z_T"), QStringLiteral("0"))),
      Z_G(label(QStringLiteral("Z_G"), QStringLiteral("0"))),
      M_C(label(QStringLiteral("M_C"), QStringLiteral("0"))),
      N_L(label(QStringLiteral("N_L"), QStringLiteral("0"))),
      Miss(label(QStringLiteral("Miss"), QStringLiteral("0"))),
      BTim(label(QStringLiteral("BTim"), QStringLiteral("0.0"))),
      Tim(label(QStringLiteral("Tim"), QStringLiteral("午前 00:00:00"))),
      TOKUTEN(label(QStringLiteral("TOKUTEN"))),
      LEV(label(QStringLiteral("LEV"), QStringLiteral("？？？？"))),
      Timer1(label(QStringLiteral("Timer1"))),
      Repeat(button(QStringLiteral("Repeat"), QStringLiteral("Repeat"))),
      Lesson_Select(button(QStringLiteral("Lesson_Select"), QStringLiteral("Menu"))) {
    // A stray Tab or click must not leave the pupil typing into a button.
    keyboardStaysInBox = true;
    T.kind = ControlKind::TextBox;
    T.accessibleName = QStringLiteral("入力");
    L.accessibleName = QStringLiteral("表示");
    H.accessibleName = QStringLiteral("入力済み");
    Tit.visible = false;
    K_P.kind = ControlKind::ProgressBar;
    K_P.visible = false;
    K_P.max = 10000;
    Timer1.kind = ControlKind::Timer;
    Timer1.enabled = false;
}

lesson::Kind LessonWindow::lessonKind() const {
    return static_cast<lesson::Kind>(mk.LessonKind[mk.CurrentLesson]);
}

void LessonWindow::Click(Control& c) {
    if (&c == &Repeat) Repeat_Click();
    if (&c == &Lesson_Select) Lesson_Select_Click();
}

void LessonWindow::KeyPress(Control& c, int& keyAscii) {
    if (&c == &T) T_KeyPress(keyAscii);
}

void LessonWindow::KeyUp(Control& c, int keyCode, int shift) {
    if (&c == &T) T_KeyUp(keyCode, shift);
}

void LessonWindow::Timer(Control& c) {
    if (&c == &Timer1) Timer1_Timer();
}

void LessonWindow::Repeat_Click() {
    RepeatOn = RepeatOn == 1 ? 0 : 1;
    Repeat.backColor = RepeatOn == 1 ? 0xFF8080 : colors::kButtonFace;
    SetFocus(T);
}

void LessonWindow::Lesson_Select_Click() {
    // Results already hold this run's score; only an unfinished run is stored as 0.
    if (Phase != Shown) {
        Score = 0;
        PushScoreHistory();
    }
    mk.windows.Show(QStringLiteral("Menu"));
}

void LessonWindow::PushScoreHistory() {
    for (int k = 99; k >= 1; --k)
        mk.ScoreHistory(mk.CurrentLesson, k) = mk.ScoreHistory(mk.CurrentLesson, k - 1);
    mk.ScoreHistory(mk.CurrentLesson, 0) = static_cast<quint8>(Score);
}

void LessonWindow::ShowTitleAndProgress() {
    Tit.caption = mk.LessonTitle[mk.CurrentLesson];
    Tit.visible = true;
    K_P.min = 0;
    K_P.max = 10000;
    K_P.value = TotalExperience;
    K_P.visible = true;
}

void LessonWindow::FillMilestones() {
    ExperienceMilestones.fill(0);
    ExperienceMilestones[0] = 100;
    ExperienceMilestones[1] = 300;
    ExperienceMilestones[2] = 500;
    for (int i = 3; i <= 21; ++i)
        ExperienceMilestones[i] = static_cast<qint16>(1000 + 500 * (i - 3));
    mk.GameFromRepeat = 0;
}

void LessonWindow::TEN_UpDate() {
    mk.ports.beep.beep();
    MissCount = static_cast<qint16>(std::min(MissCount + 1, 32767));
    Miss.caption = QString::number(MissCount);
}

void LessonWindow::ClearKeyGuide() {
    // Every key a guide can mark: the character keys up to the right Shift, and Space.
    for (int i = 0; i <= caps::kRightShift; ++i)
        AZ[i].backColor = colors::kLightGrey;
    AZ[caps::kSpace].backColor = colors::kLightGrey;
    for (Control& f : F)
        f.backColor = colors::kLightRed;
    for (Control& k : TK)
        k.backColor = colors::kLightGrey;
}

void LessonWindow::StripLineBreaks() {
    T.caption.remove(u'\r');
    T.caption.remove(u'\n');
}

void LessonWindow::readyPrompt(Control& key, Control& finger, Control* second,
                               Control* secondFinger) {
    key.backColor = colors::kRed;
    finger.backColor = colors::kRed;
    if (second) second->backColor = colors::kBlue;
    if (secondFinger) secondFinger->backColor = colors::kBlue;
    mk.ShowMessageText(QStringLiteral("準備はよろしいですか？\r\rエンターキーまたは、\r"
                                      "スペースキーを押すとスタートです。"));
    key.backColor = colors::kLightGrey;
    finger.backColor = colors::kLightRed;
    if (second) second->backColor = colors::kLightGrey;
    if (secondFinger) secondFinger->backColor = colors::kLightRed;
}

void LessonWindow::stopClock() {
    Phase = Stopped;
    const double now = mk.ports.clock.monotonicSeconds();
    ElapsedSeconds = static_cast<float>(now - StartTime);
    BTim.caption = results::formatSeconds(ElapsedSeconds);
}

void LessonWindow::setLineLayout(double fontSize, int height, int lineTop, int inputTop) {
    for (Control* c : {&L, &H, &T}) {
        c->fontSize = fontSize;
        c->geometry.height = height;
    }
    L.geometry.top = lineTop;
    H.geometry.top = inputTop;
    T.geometry.top = inputTop;
}

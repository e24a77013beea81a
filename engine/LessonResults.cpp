// The clock, the results and leaving them.
#include "core/MkMain.h"
#include "engine/LessonWindow.h"
#include "engine/Results.h"

namespace {

QString clockText(const QTime& t) {
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return (t.hour() < 12 ? QStringLiteral("午前 ") : QStringLiteral("午後 ")) +
           QStringLiteral("%1:%2:%3")
               .arg(hour12, 2, 10, QChar(u'0'))
               .arg(t.minute(), 2, 10, QChar(u'0'))
               .arg(t.second(), 2, 10, QChar(u'0'));
}

} // namespace

void LessonWindow::Timer1_Timer() {
    Tim.caption = clockText(mk.ports.clock.wallTime());
    if (Phase != Ready && Phase != Stopped && Phase != Shown)
        BTim.caption = results::formatSeconds(mk.ports.clock.monotonicSeconds() - StartTime);
    if (ClearInputOnTick == 1) {
        T.caption.clear();
        ClearInputOnTick = 0;
    }
}

void LessonWindow::scoreRun() {
    const int lesson = mk.CurrentLesson;
    TenMinuteCount = results::tenMinuteCount(TotalChars, mk.LessonFactor[lesson], ElapsedSeconds);
    LEV.caption = results::grade(TenMinuteCount);
    Score = results::score(TenMinuteCount, MissCount);
    if (BestScore < Score) BestScore = static_cast<quint8>(Score);
    TOKUTEN.caption = QString::number(Score);
    S_T.caption = QString::number(BestScore);
    GainedExperience = static_cast<qint16>(Score - mk.ScoreHistory(lesson, 99));
    TotalExperience = static_cast<qint16>(TotalExperience + GainedExperience);
}

void LessonWindow::LeaveResults() {
    if (RepeatOn == 1)
        resetForRepeat();
    else
        mk.windows.Show(QStringLiteral("Menu"));
    const int reached = TotalExperience / 100 * 100;
    for (int i = 21; i >= 0; --i) {
        if (ExperienceMilestones[i] == reached) {
            milestone(reached);
            return;
        }
    }
}

void LessonWindow::resetForRepeat() {
    Timer1.enabled = true;
    Tit.caption.clear();
    Tit.visible = false;
    K_P.visible = false;
    Phase = Ready;
    TypedText.clear();
    MissCount = 0;
    ClearInputOnTick = 0;
    Miss.caption = QStringLiteral("0");
    BTim.caption = QStringLiteral("0.0");
    showCounters();
    H.caption = kStartPrompt;
    T.caption = kStartPrompt;
    T.geometry = lineInputGeometry();
    L.caption = kLinePlaceholder;
    L.doneLength = H.doneLength = -1; // the prompts are no typing guide
    TOKUTEN.caption.clear();
    LEV.caption = QStringLiteral("？？？？");
    if (mk.LessonFile2[mk.CurrentLesson] == u"2") ShuffleLines();
}

void LessonWindow::showMoleGame() {
    mk.windows.Show(QStringLiteral("MOGU1"));
}

bool LessonWindow::isMockLesson() const {
    const QString head = mk.LessonTitle[mk.CurrentLesson].left(4);
    return head == u"３級模擬" || head == u"２級模擬" || head == u"１級模擬" || head == u"超上級　";
}

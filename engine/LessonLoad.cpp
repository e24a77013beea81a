// Loading a lesson into the window: scores, pupil, lines.
#include "core/MkMain.h"
#include "engine/LessonText.h"
#include "engine/LessonWindow.h"

void LessonWindow::Form_Load() {
    mk.ports.random.restartFromClock();
    mk.windows.Hide(QStringLiteral("Menu"));
    loadLayout();
    if (lessonKind() == lesson::Numbers) SetTenKeyLayout();
    Timer1.interval = 100;
    Timer1.enabled = true;
    TotalExperience = 0;
    FillMilestones();
    int total = 0;
    for (int k = 0; k <= 99; ++k) {
        const quint8 s = mk.ScoreHistory(mk.CurrentLesson, k);
        BestScore = std::max(BestScore, s);
        total += s;
    }
    TotalExperience = static_cast<qint16>(total);
    TotalChars = 0;
    showPupil();
    if (!loadLines()) return;
    Phase = Ready;
    TypedText.clear();
    MissCount = 0;
    ClearInputOnTick = 0;
    mk.NumLockShown = 0;
    showCounters();
    SetFocus(T);
}

void LessonWindow::showCounters() {
    M_C.caption = QString::number(TotalChars);
    Z_G.caption = QString::number(LineCount);
    Z_T.caption = QString::number(mk.ScoreHistory(mk.CurrentLesson, 0));
    S_T.caption = QString::number(BestScore);
    K_K.caption = QString::number(TotalExperience);
    N_L.caption = QString::number(LineCount);
}

bool LessonWindow::MakeNumberLesson() {
    const auto recipe = lessontext::parseNumberRecipe(mk.LessonFile[mk.CurrentLesson]);
    if (!recipe) return false;
    const QString name = QStringLiteral("Seisei.txt");
    const QStringList numbers = lessontext::makeNumbers(*recipe, mk.ports.random);
    if (!lessontext::writeLines(mk.DefaultLessonFolder, name, numbers)) return false;
    mk.LessonFile[mk.CurrentLesson] = name;
    return true;
}

void LessonWindow::ShuffleLines() {
    lessontext::shuffle(LessonLines, AnswerLines, mk.ports.random);
}

void LessonWindow::failLoad(const QString& what) {
    mk.ShowMessageText(mk.LessonTitle[mk.CurrentLesson] + what +
                       QStringLiteral("\rMenuに戻ります。"));
    mk.windows.Show(QStringLiteral("Menu"));
    mk.windows.Unload(name());
}

bool LessonWindow::loadLines() {
    const QString broken = QStringLiteral("ファイルが壊れています。");
    const int lesson = mk.CurrentLesson;
    if (lessontext::isNumberRecipe(mk.LessonFile[lesson]) && !MakeNumberLesson()) {
        failLoad(broken);
        return false;
    }
    auto lines = lessontext::readFields(mk.DefaultLessonFolder, mk.LessonFile[lesson], true);
    if (!lines) {
        failLoad(broken);
        return false;
    }
    LessonLines = std::move(lines).value();
    if (lessonKind() == lesson::Letters)
        for (QString& line : LessonLines)
            line = line.toUpper();
    LineCount = static_cast<qint16>(LessonLines.size());
    TotalChars = lessontext::countChars(LessonLines);
    if (mk.LessonFile2[lesson] == u"2") ShuffleLines();
    if (lessonKind() == lesson::Questions) {
        auto answers =
            lessontext::readFields(mk.DefaultLessonFolder, mk.LessonFile2[lesson], false);
        if (!answers) {
            failLoad(QStringLiteral("ファイル（解答）が壊れています。"));
            return false;
        }
        AnswerLines = std::move(answers).value();
        TotalChars = lessontext::countChars(AnswerLines);
        ShuffleLines();
    }
    return true;
}

// Line runs: whole lines typed through the input method and judged on Enter;
// question lessons add three chances per question.
#include "core/Cp932.h"
#include "core/Keys.h"
#include "core/MkMain.h"
#include "engine/KeyboardCaps.h"
#include "engine/LessonWindow.h"

namespace {

const QString kWrong[3] = {
    QStringLiteral("ざんねん！ちがうよ！\rまちがい１回目\rつぎはがんばって！"),
    QStringLiteral("あ～！またまちがい！\rまちがい２回目\rあと１回しかまちがえられないよ！"),
    QStringLiteral("わ～っ！ピンチだよ！\rまちがい３回目\rもうまちがえられないよ！"),
};

} // namespace

void LessonWindow::StartLineRun() {
    ClearKeyGuide();
    readyPrompt(AZ[caps::kEnter], F[finger::kRightLittle], &AZ[caps::kSpace], &F[finger::kThumb]);
    ShowTitleAndProgress();
    StartTime = mk.ports.clock.monotonicSeconds();
    CurrentLine = 1;
    L.caption = lessonLine(1);
    T.geometry = lineInputGeometry();
    if (hasMockLayout() && isMockLesson()) setLineLayout(14, 945, 3020, 3960);
    T.imeMode = lessonKind() == lesson::Hiragana ? ImeMode::Hiragana : ImeMode::On;
    if (lessonKind() == lesson::Questions && mk.LessonFile[mk.CurrentLesson].left(3) == u"英単語")
        T.imeMode = ImeMode::Off;
    T.caption.clear();
    H.caption.clear();
    Phase = Typing;
    ClearInputOnTick = 1;
    N_L.caption = QString::number(LineCount - CurrentLine);
    MissesOnQuestion = 0;
    ClearInputOnKeyUp = 0;
}

void LessonWindow::LineKeyPress(int keyAscii) {
    LastKeyAscii = static_cast<qint16>(keyAscii);
    if (keyAscii == keys::kEnter && Phase == Ready) return StartLineRun();
    const bool question = lessonKind() == lesson::Questions;
    ExpectedLine = CurrentLine > LineCount ? QString()
                   : question              ? AnswerLines.value(CurrentLine - 1)
                                           : lessonLine(CurrentLine);
    if (keyAscii != keys::kEnter || Phase != Typing) return;
    StripLineBreaks();
    // Lesson text comes from a code-page file; the input method may type look-alikes.
    if (cp932::foldLookAlikes(T.caption) == cp932::foldLookAlikes(ExpectedLine)) {
        ++CurrentLine;
        Phase = LineDone;
    } else if (!question) {
        TEN_UpDate();
    } else if (MissesOnQuestion < 3) {
        mk.ShowMessageText(kWrong[MissesOnQuestion]);
        TEN_UpDate();
        ClearInputOnKeyUp = 1;
        ++MissesOnQuestion;
    } else {
        mk.ShowMessageText(QStringLiteral("こたえは・・・\r\r") + ExpectedLine +
                           QStringLiteral("\r\rでした。。。\r\rつぎにいくよ！"));
        TEN_UpDate();
        ClearInputOnKeyUp = 1;
        T.caption.clear();
        ++CurrentLine;
        Phase = LineDone;
    }
    if (CurrentLine > LineCount) Phase = LastLineDone;
}

void LessonWindow::NextLine() {
    L.caption = lessonLine(CurrentLine);
    T.caption.clear();
    N_L.caption = QString::number(LineCount - CurrentLine);
    Phase = Typing;
    MissesOnQuestion = 0;
}

void LessonWindow::FinishLineRun() {
    stopClock();
    ShowResults();
    afterResults();
}

// The steps the key-by-key runs share: the guided letter runs and the keypad
// run judge every key at once, mark the next key, and wait for Enter at the
// end of each line. Only the guide they mark and their start differ.
#include "core/Keys.h"
#include "core/MkMain.h"
#include "engine/KeyboardCaps.h"
#include "engine/LessonWindow.h"

void LessonWindow::markChar(const QString& c, bool on) {
    if (keypadRun())
        markTenKey(c, on);
    else
        markGuide(c, on);
}

// The Enter cap, pressed with the right little finger, closes every line.
void LessonWindow::markLineEnd(bool on) {
    Control& enter = keypadRun() ? TK[caps::kPadEnter] : AZ[caps::kEnter];
    enter.backColor = on ? colors::kRed : colors::kLightGrey;
    F[finger::kRightLittle].backColor = on ? colors::kRed : colors::kLightRed;
}

void LessonWindow::charKeyPress(int keyAscii, int typed) {
    const bool enter = keyAscii == keys::kEnter;
    if (Phase == Ready) {
        if (enter) keypadRun() ? StartTenKeyRun() : StartGuidedRun();
        return;
    }
    if (Phase == Typing) return judgeChar(typed);
    if (enter && Phase == LineDone) return NextCharLine();
    if (enter && Phase == LastLineDone) return FinishCharRun();
    TEN_UpDate();
}

void LessonWindow::judgeChar(int typed) {
    ExpectedChar = lessonLine(CurrentLine).mid(CharPos - 1, 1);
    if (QString(QChar(typed)) != ExpectedChar) return TEN_UpDate();
    TypedText += ExpectedChar;
    H.caption = displayForm(TypedText);
    ++CharPos;
    markChar(ExpectedChar, false);
    if (CharPos <= LineLength) {
        NextChar = lessonLine(CurrentLine).mid(CharPos - 1, 1);
        markChar(NextChar, true);
        return;
    }
    markLineEnd(true);
    Phase = LineDone;
    ++CurrentLine;
    if (CurrentLine > LineCount) Phase = LastLineDone;
}

void LessonWindow::beginCharRun() {
    StartTime = mk.ports.clock.monotonicSeconds();
    CurrentLine = 1;
    T.imeMode = ImeMode::Off;
    // The guide shows the line; the box only takes the keys.
    T.geometry = keyInputGeometry();
    romajiRun() ? beginRomajiLine() : beginCharLine();
}

void LessonWindow::beginCharLine() {
    LineLength = static_cast<qint16>(lessonLine(CurrentLine).size());
    CharPos = 1;
    TypedText.clear();
    L.caption = displayForm(lessonLine(CurrentLine));
    T.caption.clear();
    H.caption.clear();
    Phase = Typing;
    ExpectedChar = lessonLine(CurrentLine).left(1);
    markChar(ExpectedChar, true);
    N_L.caption = QString::number(LineCount - CurrentLine);
}

void LessonWindow::NextCharLine() {
    markLineEnd(false);
    beginCharLine();
}

// The labels go back to the column of the line input box, at the usual size.
void LessonWindow::afterTenKeyResults() {
    const Twips column = lineInputGeometry();
    for (Control* c : {&L, &H}) {
        c->fontSize = 17;
        c->geometry.left = column.left;
        c->geometry.width = column.width;
    }
}

void LessonWindow::FinishCharRun() {
    markLineEnd(false);
    stopClock();
    ShowResults();
    if (keypadRun()) afterTenKeyResults();
    afterResults();
}

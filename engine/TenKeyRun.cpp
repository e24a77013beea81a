// The numeric keypad run: keys judged one at a time on the keypad guide.
#include "core/MkMain.h"
#include "engine/LessonWindow.h"

namespace {

// The keypad cap of a character: digits 0..9, then "*" 10, "+" 11, "," 12 (Enter), "-" 13 ...
int capIndex(const QString& c) {
    if (c.isEmpty()) return -1;
    const int k = c.at(0).unicode();
    return k >= 48 ? k - 48 : k - 32;
}

} // namespace

void LessonWindow::markTenKey(const QString& c, quint32 keyColor, quint32 fingerColor) {
    const int i = capIndex(c);
    if (i < 0 || i > 15) return; // no cap to guide with; it still has to be typed
    TK[i].backColor = keyColor;
    F[TenKeyFinger[i]].backColor = fingerColor;
}

void LessonWindow::TenKeyPress(int keyAscii) {
    if (Phase == Ready) {
        if (keyAscii == 13) StartTenKeyRun();
        return;
    }
    if (Phase == Typing) {
        ExpectedChar = lessonLine(CurrentLine).mid(CharPos - 1, 1);
        if (QString(QChar(keyAscii)) != ExpectedChar) {
            TEN_UpDate();
            return;
        }
        TypedText += ExpectedChar;
        H.caption = TypedText;
        ++CharPos;
        markTenKey(ExpectedChar, colors::kLightGrey, colors::kLightRed);
        if (CharPos <= LineLength) {
            NextChar = lessonLine(CurrentLine).mid(CharPos - 1, 1);
            markTenKey(NextChar, colors::kRed, colors::kRed);
            return;
        }
        TK[12].backColor = colors::kRed;
        F[7].backColor = colors::kRed;
        Phase = LineDone;
        ++CurrentLine;
        if (CurrentLine > LineCount) Phase = LastLineDone;
        return;
    }
    if (Phase == LineDone && keyAscii == 13) return NextTenKeyLine();
    if (Phase == LastLineDone && keyAscii == 13) return FinishTenKeyRun();
    TEN_UpDate();
}

void LessonWindow::StartTenKeyRun() {
    ClearKeyGuide();
    SetTenKeyLayout();
    ShowTitleAndProgress();
    L.caption.clear();
    H.caption.clear();
    readyPrompt(TK[12], F[7], nullptr, nullptr);
    StartTime = mk.ports.clock.monotonicSeconds();
    CharPos = 1;
    CurrentLine = 1;
    TypedText.clear();
    LineLength = static_cast<qint16>(lessonLine(1).size());
    L.caption = lessonLine(1);
    T.caption.clear();
    H.caption.clear();
    Phase = Typing;
    ExpectedChar = lessonLine(1).left(1);
    markTenKey(ExpectedChar, colors::kRed, colors::kRed);
    T.imeMode = ImeMode::Off;
    N_L.caption = QString::number(LineCount - CurrentLine);
}

void LessonWindow::NextTenKeyLine() {
    TK[12].backColor = colors::kLightGrey;
    F[7].backColor = colors::kLightRed;
    LineLength = static_cast<qint16>(lessonLine(CurrentLine).size());
    CharPos = 1;
    TypedText.clear();
    L.caption = lessonLine(CurrentLine);
    T.caption.clear();
    H.caption.clear();
    Phase = Typing;
    ExpectedChar = lessonLine(CurrentLine).left(1);
    markTenKey(ExpectedChar, colors::kRed, colors::kRed);
    N_L.caption = QString::number(LineCount - CurrentLine);
}

void LessonWindow::FinishTenKeyRun() {
    TK[12].backColor = colors::kLightGrey;
    F[7].backColor = colors::kLightRed;
    stopClock();
    ShowResults();
    afterTenKeyResults();
    afterResults();
}

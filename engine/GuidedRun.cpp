// Key-guided runs: every key judged at once, with the key, finger and Shift marked.
#include "core/MkMain.h"
#include "engine/LessonWindow.h"

QString LessonWindow::displayForm(const QString& text) const {
    if (lessonKind() != 1) return text;
    QString wide;
    wide.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ')
            wide += QChar(u'\u3000');
        else if (u >= 0x21 && u <= 0x7E)
            wide += QChar(char16_t(u - 0x21 + 0xFF01));
        else
            wide += c;
    }
    return wide;
}

void LessonWindow::markGuide(const QString& c, bool on) {
    if (c.isEmpty() || c.at(0).unicode() > 126) return; // outside the key tables
    const int code = c.at(0).unicode();
    const int key = mk.KeyLabelIndex[code];
    const int finger = mk.KeyFinger[code];
    if (key <= 65) AZ[key].backColor = on ? colors::kRed : colors::kLightGrey;
    if (finger <= 8) F[finger].backColor = on ? colors::kRed : colors::kLightRed;
    // Small letters count as capitals in kind 1, so its letters need no Shift.
    const bool letter = c.at(0).isLetter();
    if (lessonKind() == 1 && letter) return;
    const quint32 shiftColor = on ? colors::kBlue : colors::kLightGrey;
    const quint32 fingerColor = on ? colors::kBlue : colors::kLightRed;
    if (mk.KeyShift[code] == 1) {
        AZ[54].backColor = shiftColor;
        F[7].backColor = fingerColor;
    } else if (mk.KeyShift[code] == 2) {
        AZ[42].backColor = shiftColor;
        F[0].backColor = fingerColor;
    }
}

void LessonWindow::StartGuidedRun() {
    ClearKeyGuide();
    readyPrompt(AZ[28], F[7], &AZ[59], &F[8]);
    ShowTitleAndProgress();
    StartTime = mk.ports.clock.monotonicSeconds();
    CharPos = 1;
    CurrentLine = 1;
    TypedText.clear();
    LineLength = static_cast<qint16>(lessonLine(1).size());
    L.caption = displayForm(lessonLine(1));
    T.caption.clear();
    H.caption.clear();
    Phase = Typing;
    ExpectedChar = lessonLine(1).left(1);
    T.imeMode = ImeMode::Off;
    markGuide(ExpectedChar, true);
    N_L.caption = QString::number(LineCount - CurrentLine);
}

void LessonWindow::GuidedKeyPress(int keyAscii) {
    if (Phase == Ready) {
        if (keyAscii == 13) StartGuidedRun();
        return;
    }
    if (Phase != Typing) {
        if (keyAscii == 13 && Phase == LineDone) return NextGuidedLine();
        if (keyAscii == 13 && Phase == LastLineDone) return FinishGuidedRun();
        return TEN_UpDate();
    }
    int typed = keyAscii;
    if (lessonKind() == 1 && typed >= 97 && typed <= 122) typed -= 32;
    ExpectedChar = lessonLine(CurrentLine).mid(CharPos - 1, 1);
    if (QString(QChar(typed)) != ExpectedChar) return TEN_UpDate();
    TypedText += ExpectedChar;
    H.caption = displayForm(TypedText);
    ++CharPos;
    markGuide(ExpectedChar, false);
    if (CharPos <= LineLength) {
        NextChar = lessonLine(CurrentLine).mid(CharPos - 1, 1);
        markGuide(NextChar, true);
        return;
    }
    AZ[28].backColor = colors::kRed;
    F[7].backColor = colors::kRed;
    Phase = LineDone;
    ++CurrentLine;
    if (CurrentLine > LineCount) Phase = LastLineDone;
}

void LessonWindow::NextGuidedLine() {
    AZ[28].backColor = colors::kLightGrey;
    F[7].backColor = colors::kLightRed;
    LineLength = static_cast<qint16>(lessonLine(CurrentLine).size());
    CharPos = 1;
    TypedText.clear();
    L.caption = displayForm(lessonLine(CurrentLine));
    T.caption.clear();
    H.caption.clear();
    Phase = Typing;
    ExpectedChar = lessonLine(CurrentLine).left(1);
    markGuide(ExpectedChar, true);
    N_L.caption = QString::number(LineCount - CurrentLine);
}

void LessonWindow::FinishGuidedRun() {
    AZ[28].backColor = colors::kLightGrey;
    F[7].backColor = colors::kLightRed;
    stopClock();
    ShowResults();
    afterResults();
}

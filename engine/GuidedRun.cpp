// Key-guided runs: every key judged at once, with the key, finger and Shift marked.
#include "core/Keys.h"
#include "core/MkMain.h"
#include "engine/KeyboardCaps.h"
#include "engine/LessonWindow.h"

QString LessonWindow::displayForm(const QString& text) const {
    if (lessonKind() != lesson::Letters) return text;
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
    if (c.isEmpty() || c.at(0).unicode() >= MkMain::kKeyCodes) return; // outside the key tables
    const int code = c.at(0).unicode();
    const int key = mk.KeyLabelIndex[code];
    const int fingerIndex = mk.KeyFinger[code];
    if (key <= caps::kLastKey) AZ[key].backColor = on ? colors::kRed : colors::kLightGrey;
    if (fingerIndex <= finger::kThumb)
        F[fingerIndex].backColor = on ? colors::kRed : colors::kLightRed;
    // Small letters count as capitals in the letters kind, so its letters need no Shift.
    if (lessonKind() == lesson::Letters && c.at(0).isLetter()) return;
    const quint32 shiftColor = on ? colors::kBlue : colors::kLightGrey;
    const quint32 fingerColor = on ? colors::kBlue : colors::kLightRed;
    if (mk.KeyShift[code] == 1) {
        AZ[caps::kRightShift].backColor = shiftColor;
        F[finger::kRightLittle].backColor = fingerColor;
    } else if (mk.KeyShift[code] == 2) {
        AZ[caps::kLeftShift].backColor = shiftColor;
        F[finger::kLeftLittle].backColor = fingerColor;
    }
}

void LessonWindow::GuidedKeyPress(int keyAscii) {
    int typed = keyAscii;
    if (lessonKind() == lesson::Letters && typed >= 'a' && typed <= 'z') typed -= 'a' - 'A';
    charKeyPress(keyAscii, typed);
}

void LessonWindow::StartGuidedRun() {
    ClearKeyGuide();
    readyPrompt(AZ[caps::kEnter], F[finger::kRightLittle], &AZ[caps::kSpace], &F[finger::kThumb]);
    ShowTitleAndProgress();
    beginCharRun();
}

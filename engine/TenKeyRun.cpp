// The numeric keypad run: keys judged one at a time on the keypad guide.
#include "core/MkMain.h"
#include "engine/KeyboardCaps.h"
#include "engine/LessonWindow.h"

namespace {

// The keypad cap of a character: digits 0..9, then "*" 10, "+" 11, "," 12 (Enter), "-" 13 ...
int capIndex(const QString& c) {
    if (c.isEmpty()) return -1;
    const int k = c.at(0).unicode();
    return k >= '0' ? k - '0' : k - ' ';
}

} // namespace

void LessonWindow::markTenKey(const QString& c, bool on) {
    const int i = capIndex(c);
    if (i < 0 || i >= caps::kPadCaps) return; // no cap to guide with; it still has to be typed
    TK[i].backColor = on ? colors::kRed : colors::kLightGrey;
    F[TenKeyFinger[i]].backColor = on ? colors::kRed : colors::kLightRed;
}

void LessonWindow::TenKeyPress(int keyAscii) {
    charKeyPress(keyAscii, keyAscii);
}

void LessonWindow::StartTenKeyRun() {
    ClearKeyGuide();
    SetTenKeyLayout();
    ShowTitleAndProgress();
    L.caption.clear();
    H.caption.clear();
    readyPrompt(TK[caps::kPadEnter], F[finger::kRightLittle], nullptr, nullptr);
    beginCharRun();
}

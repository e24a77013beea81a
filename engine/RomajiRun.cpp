// Kana lessons typed in romaji, judged key by key: the kana line stays in L,
// the romaji to type goes under it with the typed part dimmed, and the key
// guide marks the next key. Scoring is that of the line run, on the kana.
#include "core/Keys.h"
#include "core/MkMain.h"
#include "engine/LessonWindow.h"

bool LessonWindow::romajiRun() const {
    return lessonKind() == lesson::Hiragana && mk.RomajiInput;
}

void LessonWindow::RomajiKeyPress(int keyAscii) {
    const bool enter = keyAscii == keys::kEnter;
    if (Phase == Ready) {
        if (enter) StartGuidedRun();
        return;
    }
    // Lines end by themselves, so Enter is no key of the line: it is not judged.
    if (Phase != Typing || enter) return;
    const QString marked = QString(romaji->nextKey());
    if (!romaji->press(QChar(char16_t(keyAscii)))) return TEN_UpDate();
    markGuide(marked, false);
    if (!romaji->finished()) {
        showRomajiGuide();
        markGuide(QString(romaji->nextKey()), true);
        return;
    }
    if (++CurrentLine <= LineCount) return beginRomajiLine();
    showRomajiGuide();
    Phase = LastLineDone;
    FinishCharRun();
}

void LessonWindow::beginRomajiLine() {
    romaji.emplace(lessonLine(CurrentLine));
    LineLength = static_cast<qint16>(lessonLine(CurrentLine).size());
    L.caption = lessonLine(CurrentLine);
    T.caption.clear();
    showRomajiGuide();
    Phase = Typing;
    markGuide(QString(romaji->nextKey()), true);
    N_L.caption = QString::number(LineCount - CurrentLine);
}

void LessonWindow::showRomajiGuide() {
    TypedText = romaji->typed();
    CharPos = static_cast<qint16>(romaji->kanaDone() + 1);
    L.doneLength = romaji->kanaDone();
    H.caption = TypedText + romaji->remaining();
    H.doneLength = static_cast<int>(TypedText.size());
}

// Every key of the lesson window arrives here and goes to the run of the lesson's kind.
#include "core/MkMain.h"
#include "engine/LessonWindow.h"

void LessonWindow::T_KeyPress(int keyAscii) {
    if (LineCount == 0) {
        mk.ShowMessageText(QStringLiteral("Lessonが存在しないため終了します。"));
        mk.windows.Show(QStringLiteral("Menu"));
        mk.windows.Unload(name());
        return;
    }
    switch (lessonKind()) {
    case 1:
    case 6:
        GuidedKeyPress(keyAscii);
        break;
    case 4:
        TenKeyPress(keyAscii);
        break;
    default:
        LineKeyPress(keyAscii);
        break;
    }
}

void LessonWindow::T_KeyUp(int keyCode, int) {
    if (Phase == Shown && keyCode == 27) {
        TK_F.visible = true;
        hideResultsPanel();
        LeaveResults();
        return;
    }
    if (ClearInputOnKeyUp == 1) {
        T.caption.clear();
        ClearInputOnKeyUp = 0;
    }
    if (Phase >= LineDone && LastKeyAscii == 13) {
        T.caption.clear();
        const bool guided = lessonKind() == 1 || lessonKind() == 6;
        if (Phase == LineDone)
            guided ? NextGuidedLine() : NextLine();
        else if (Phase == LastLineDone)
            guided ? FinishGuidedRun() : FinishLineRun();
    }
    if (keyCode == 144) {
        mk.NumLockShown = 1;
        mk.windows.Show(QStringLiteral("Num_Lock"), true);
    }
}

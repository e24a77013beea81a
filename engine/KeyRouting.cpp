// Every key of the lesson window arrives here and goes to the run of the lesson's kind.
#include "core/Keys.h"
#include "core/MkMain.h"
#include "engine/LessonWindow.h"

void LessonWindow::T_KeyPress(int keyAscii) {
    if (LineCount == 0) {
        mk.ShowMessageText(QStringLiteral("Lessonが存在しないため終了します。"));
        mk.windows.Show(QStringLiteral("Menu"));
        mk.windows.Unload(name());
        return;
    }
    if (lesson::guidedKeyByKey(lessonKind()))
        GuidedKeyPress(keyAscii);
    else if (lessonKind() == lesson::Numbers)
        TenKeyPress(keyAscii);
    else if (romajiRun())
        RomajiKeyPress(keyAscii);
    else
        LineKeyPress(keyAscii);
}

void LessonWindow::T_KeyUp(int keyCode, int) {
    if (Phase == Shown && keyCode == keys::kEsc) {
        TK_F.visible = true;
        hideResultsPanel();
        LeaveResults();
        return;
    }
    if (ClearInputOnKeyUp == 1) {
        T.caption.clear();
        ClearInputOnKeyUp = 0;
    }
    if (Phase >= LineDone && LastKeyAscii == keys::kEnter) {
        T.caption.clear();
        const bool guided = lesson::guidedKeyByKey(lessonKind());
        if (Phase == LineDone)
            guided ? NextCharLine() : NextLine();
        else if (Phase == LastLineDone)
            guided ? FinishCharRun() : FinishLineRun();
    }
    if (keyCode == keys::kNumLock) {
        mk.NumLockShown = 1;
        mk.windows.Show(QStringLiteral("Num_Lock"), true);
    }
}

#include "game/MOGU1.h"

#include "core/MkMain.h"
#include "game/GameReturn.h"

MOGU1::MOGU1(MkMain& mk)
    : Window(mk, kName.toString()),
      Rules(makeLabel(QStringLiteral("Rules"),
                      QStringLiteral("穴から顔を出したもぐらを、マウスでクリックしてたたこう！\r"
                                     "もぐらをたたくと　１点。\r"
                                     "金色のもぐらは　７点。\r"
                                     "にせもぐらをたたくと　５点へってしまうよ。\r"
                                     "もぐらのいない原っぱをクリックすると　１点へるよ。\r"
                                     "時間は　１００秒。もぐらはだんだん速くなるよ。"),
                      {360, 360, 7680, 3240}, 12)),
      Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("ゲームスタート"),
                          {3000, 3840, 2400, 600}, 12)) {
    caption = QStringLiteral("ルール説明");
    // Wide enough that the first rule stays on one line.
    geometry = {0, 0, 8400, 5040};
    Rules.accessibleName = QStringLiteral("ルール");
    Rules.wordWrap = true;
    Command1.accessibleName = Command1.caption;
    add(Rules);
    add(Command1);
}

void MOGU1::Click(Control& c) {
    if (&c != &Command1) return;
    // In front of the lesson or menu that the return rule shows beside it.
    mk.windows.Show(QStringLiteral("MOGU2"), true);
    mk.windows.Unload(name());
}

void MOGU1::Form_Unload() {
    returnFromGame(mk);
}

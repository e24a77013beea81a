#include "game/GameReturn.h"

#include "core/MkMain.h"

void returnFromGame(MkMain& mk) {
    if (mk.GameFromRepeat == 1) {
        mk.GameFromRepeat = 0;
        mk.windows.Show(QStringLiteral("Marokey"));
    } else {
        mk.windows.Show(QStringLiteral("Menu"));
    }
}

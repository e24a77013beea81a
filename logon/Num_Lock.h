#pragma once

#include "core/Window.h"

// Asks for NumLock to be pressed again when it was switched off in a lesson,
// since the keypad types no digits without it; closes itself when it is.
class Num_Lock final : public Window {
public:
    static constexpr QStringView kName = u"Num_Lock";

    explicit Num_Lock(MkMain& mk);

    Control Label1;

    void Form_KeyUp(int keyCode, int shift) override;
};

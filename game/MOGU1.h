#pragma once

#include "core/Window.h"

// The rules of the mole game, read before it starts.
class MOGU1 final : public Window {
public:
    static constexpr QStringView kName = u"MOGU1";

    explicit MOGU1(MkMain& mk);

    Control Rules, Command1;

    void Click(Control& c) override;
    void Form_Unload() override;
};

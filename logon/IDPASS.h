#pragma once

#include "core/Window.h"

// Asks for a new admin ID and password a second time before the lock is written.
class IDPASS final : public Window {
public:
    static constexpr QStringView kName = u"IDPASS";

    explicit IDPASS(MkMain& mk);

    Control Label3, Label1, Text1, Label2, Text2, Command1, Command2;

    void Form_Load() override { SetFocus(Text1); }
    void Click(Control& c) override;
    void KeyPress(Control& c, int& keyAscii) override;
    void Command1_Click();
};

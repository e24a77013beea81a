#pragma once

#include "core/Window.h"

// The profile of a new pupil: school year, class, number and name.
class SetUp final : public Window {
public:
    static constexpr QStringView kName = u"SetUp";

    explicit SetUp(MkMain& mk);

    Control Label3, Label1, Text1, Label2, Text2, Label5, Text3, Label4, Text4, Label7, Text5,
        Label6, Text6, Command1, Command2;

    void Form_Load() override;
    void Click(Control& c) override;
    void KeyPress(Control& c, int& keyAscii) override;
    void Command1_Click();
    void Command2_Click();
};

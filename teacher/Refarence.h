#pragma once

#include "core/Window.h"

// How to use the file utility, for the teacher who opens it from Help.
class Refarence final : public Window {
public:
    static constexpr QStringView kName = u"Refarence";

    explicit Refarence(MkMain& mk);

    Control Label1, Close;

    void Click(Control& c) override;
};

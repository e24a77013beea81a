#pragma once

#include "core/Window.h"
#include "logon/MusicControl.h"

// The first window of every run: the product title, the version and the
// producer line.
class StartUp final : public Window {
public:
    static constexpr QStringView kName = u"StartUp";

    explicit StartUp(MkMain& mk);

    Control Title;
    Control Subtitle;
    Control Version;
    Control ProducedBy;
    Control Producer;
    Control Timer1;

    MusicControl MMControl1;

    quint8 TimerShown = 0;
    quint8 MusicTicks = 0;

    void Form_Load() override;
    void Form_Unload() override { MMControl1.close(); }
    void MMControl1_StatusUpdate() { MMControl1.countAndLoop(MusicTicks, 76); }
    void Timer(Control& c) override;
    void Timer1_Timer();
};

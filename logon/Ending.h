#pragma once

#include "core/Window.h"
#include "logon/MusicControl.h"

// Closes a pupil's visit: writes the history file back, then a short
// farewell timed by the music's status reports, then the end.
class Ending final : public Window {
public:
    static constexpr quint32 kStartColor = 0x808000; // red 0, green 128, blue 128

    static constexpr QStringView kName = u"Ending";

    explicit Ending(MkMain& mk);

    Control L1, L2, L3, Title, Version;
    MusicControl MMControl3;
    quint8 FarewellTicks = 0;

    void Form_Load() override;
    void Form_Unload() override { MMControl3.close(); }
    void Form_KeyPress(int& keyAscii) override;
    void MMControl3_StatusUpdate();

private:
    void emergencyCopy();
};

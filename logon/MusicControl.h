#pragma once

#include "core/Media.h"

#include <QString>
#include <memory>

class MkMain;

// A window's music: one piece from the data folder, started, rewound and
// played again after a number of status reports, and closed with the window.
// Reports reach the window's handler as events, like any other.
class MusicControl {
public:
    MusicControl(MkMain& mk, QString fileName, std::function<void()> onStatus);
    ~MusicControl();

    void start();
    void close();
    // Counts a report; on the report after `limit` counted ones the piece
    // starts again from the beginning.
    void countAndLoop(quint8& ticks, int limit);

private:
    MkMain& mk_;
    QString fileName_;
    std::unique_ptr<MediaDevice> device_;
};

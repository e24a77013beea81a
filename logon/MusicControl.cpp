#include "logon/MusicControl.h"

#include "core/MkMain.h"

MusicControl::MusicControl(MkMain& mk, QString fileName, std::function<void()> onStatus)
    : mk_(mk), fileName_(std::move(fileName)), device_(mk.ports.media.create()) {
    device_->onStatus = [this, onStatus = std::move(onStatus)] { mk_.windows.dispatch(onStatus); };
}

MusicControl::~MusicControl() {
    if (device_->isOpen()) device_->close();
}

void MusicControl::start() {
    device_->open(mk_.DefaultDataFolder + fileName_);
    device_->play();
}

void MusicControl::close() {
    device_->close();
}

void MusicControl::countAndLoop(quint8& ticks, int limit) {
    if (ticks < limit) {
        ++ticks;
        return;
    }
    ticks = 0;
    // Rewound, not reloaded: loading a piece again would stall the window.
    device_->prev();
    device_->play();
}

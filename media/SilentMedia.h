#pragma once

#include "core/Media.h"

#include <QTimer>

// A device that plays nothing but keeps the once-a-second status, so windows
// that time things by the music behave the same on a computer without sound.
class SilentDevice final : public MediaDevice {
public:
    SilentDevice() {
        timer_.setInterval(1000);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (onStatus) onStatus();
        });
    }
    void open(const QString&) override { timer_.start(); }
    void play() override {}
    void prev() override {}
    void close() override { timer_.stop(); }
    bool isOpen() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

class SilentMediaFactory final : public MediaFactory {
public:
    std::unique_ptr<MediaDevice> create() override { return std::make_unique<SilentDevice>(); }
};

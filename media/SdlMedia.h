#pragma once

#include "core/Media.h"

#include <QTimer>
#include <memory>

// A device that plays through SDL_mixer: MIDI files as the one music piece the
// mixer holds, WAV files as sounds on a free channel, so the mole game's short
// sounds can sound over the music. Without an audio device, or with a file
// that does not load, it is silent and otherwise behaves the same: the status
// reports go on, because the windows time themselves by them.
class SdlDevice final : public MediaDevice {
public:
    SdlDevice();
    ~SdlDevice() override;

    void open(const QString& path) override;
    void play() override;
    void prev() override;
    void close() override;
    bool isOpen() const override { return timer_.isActive(); }

private:
    struct Sound;
    QString path_;
    // Loaded on the first play after open; null when not loaded or not loadable.
    std::unique_ptr<Sound> sound_;
    void playNow();
    int generation_ = 0; // a deferred start of an earlier open does not play
    bool loadTried_ = false;
    QTimer timer_;
};

class SdlMediaFactory final : public MediaFactory {
public:
    std::unique_ptr<MediaDevice> create() override;
};

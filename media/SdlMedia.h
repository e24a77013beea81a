#pragma once

#include "core/Media.h"

#include <QTimer>
#include <memory>

class SdlAudio;

// A device that plays through SDL_mixer: music (a rendered .ogg, or a score
// through FluidSynth) as the one piece the mixer holds, WAV files as sounds on
// a free channel, so the mole game's short sounds can sound over the music.
// The calls return at once: the work is done on the sound system's own thread.
// Without an audio device, or with a file that does not load, it is silent and
// otherwise behaves the same: the status reports go on, on the window thread,
// because the windows time themselves by them.
class SdlDevice final : public MediaDevice {
public:
    explicit SdlDevice(std::shared_ptr<SdlAudio> audio);
    ~SdlDevice() override;

    void open(const QString& path) override;
    void play() override;
    // Rewinds: the loaded piece stays loaded, and the next play starts it again.
    void prev() override;
    void close() override;
    bool isOpen() const override { return timer_.isActive(); }

private:
    struct Track;
    std::shared_ptr<SdlAudio> audio_;
    // The open file as the sound system sees it; touched only on its thread.
    std::shared_ptr<Track> track_;
    QTimer timer_;
};

// Its devices share one sound system, started with the factory.
class SdlMediaFactory final : public MediaFactory {
public:
    SdlMediaFactory();
    explicit SdlMediaFactory(std::shared_ptr<SdlAudio> audio);
    std::unique_ptr<MediaDevice> create() override;

private:
    std::shared_ptr<SdlAudio> audio_;
};

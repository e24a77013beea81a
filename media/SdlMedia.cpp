#include "media/SdlMedia.h"

#include "media/RenderedMusic.h"
#include "media/SdlAudio.h"

#include <QFile>
#include <QtGlobal>
#include <SDL_mixer.h>

namespace {

bool isWave(const QString& path) {
    return path.endsWith(u".wav", Qt::CaseInsensitive);
}

} // namespace

// Lives on the sound system's thread: made by open, and its last reference
// goes in a job posted there, so loading and freeing happen there too.
struct SdlDevice::Track {
    SdlAudio& audio;
    const QString path;
    bool loadTried = false;
    Mix_Music* music = nullptr;
    Mix_Chunk* chunk = nullptr;
    int channel = -1;

    Track(SdlAudio& a, QString p) : audio(a), path(std::move(p)) {}
    Track(const Track&) = delete;
    Track& operator=(const Track&) = delete;
    ~Track() {
        stop();
        // Freeing is safe after the mixer closed; SDL_mixer halts nothing of others here.
        if (music) Mix_FreeMusic(music);
        if (chunk) Mix_FreeChunk(chunk);
    }

    // Loaded once, on the first play; a restart plays what is loaded.
    void load() {
        loadTried = true;
        const QString file = playableFile(path);
        const QByteArray name = QFile::encodeName(file);
        if (isWave(file)) {
            chunk = Mix_LoadWAV(name.constData());
        } else {
            if (file.endsWith(u".mid", Qt::CaseInsensitive)) audio.enableMidi();
            music = Mix_LoadMUS(name.constData());
        }
        if (!music && !chunk) qWarning("Not heard: %s: %s", name.constData(), Mix_GetError());
    }

    bool ownsMusic() const { return music && audio.playing == music; }
    bool chunkPlaying() const {
        return channel >= 0 && Mix_Playing(channel) && Mix_GetChunk(channel) == chunk;
    }

    void play() {
        if (!audio.ready()) return;
        if (!loadTried) load();
        if (music) {
            if (ownsMusic() && Mix_PlayingMusic()) return;
            if (Mix_PlayMusic(music, 0) == 0)
                audio.playing = music;
            else
                qWarning("Music not played: %s", Mix_GetError());
        } else if (chunk && !chunkPlaying()) {
            channel = Mix_PlayChannel(-1, chunk, 0);
        }
    }

    // Stops only what is this track's own, so the next play starts from the beginning.
    void stop() {
        if (!audio.isOpen()) return;
        if (ownsMusic()) {
            Mix_HaltMusic();
            audio.playing = nullptr;
        }
        if (chunk && chunkPlaying()) Mix_HaltChannel(channel);
        channel = -1;
    }
};

SdlDevice::SdlDevice(std::shared_ptr<SdlAudio> audio) : audio_(std::move(audio)) {
    timer_.setInterval(1000);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onStatus) onStatus();
    });
}

SdlDevice::~SdlDevice() {
    if (isOpen()) close();
}

void SdlDevice::open(const QString& path) {
    if (track_) close();
    track_ = std::make_shared<Track>(*audio_, path);
    timer_.start();
}

void SdlDevice::play() {
    if (track_) audio_->post([track = track_] { track->play(); });
}

void SdlDevice::prev() {
    if (track_) audio_->post([track = track_] { track->stop(); });
}

void SdlDevice::close() {
    timer_.stop();
    if (track_) audio_->post([track = std::move(track_)] { track->stop(); });
}

SdlMediaFactory::SdlMediaFactory() : SdlMediaFactory(std::make_shared<SdlAudio>()) {}

SdlMediaFactory::SdlMediaFactory(std::shared_ptr<SdlAudio> audio) : audio_(std::move(audio)) {}

std::unique_ptr<MediaDevice> SdlMediaFactory::create() {
    return std::make_unique<SdlDevice>(audio_);
}

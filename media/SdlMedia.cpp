#include "media/SdlMedia.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>
#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

enum class Audio { Untried, Open, Unavailable, Closed };
Audio audio = Audio::Untried;

// The music the mixer was last told to play. SDL_mixer holds one piece at a
// time, so a device halts it only while it is still its own.
Mix_Music* currentMusic = nullptr;

// Runs as the application object goes, after the windows and their devices:
// the mixer thread must stop before the process tears down what it reads.
// Mix_Quit is left out: it unloads the decoders a music freed later still needs.
void closeAudio() {
    if (audio != Audio::Open) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    currentMusic = nullptr;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audio = Audio::Closed;
}

// Once per process, on the first play, so that starting the program never
// waits for the sound system.
bool audioReady() {
    if (audio != Audio::Untried) return audio == Audio::Open;
    audio = Audio::Unavailable;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        qWarning("No sound: %s", SDL_GetError());
        return false;
    }
    Mix_Init(MIX_INIT_MID);
    if (QFileInfo::exists(QString::fromLatin1(kSoundFont))) Mix_SetSoundFonts(kSoundFont);
    // A small buffer keeps the game's sounds close to the key press.
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        qWarning("No sound: %s", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    audio = Audio::Open;
    qAddPostRoutine(closeAudio);
    return true;
}

bool isWave(const QString& path) {
    return path.endsWith(u".wav", Qt::CaseInsensitive);
}

} // namespace

struct SdlDevice::Sound {
    Mix_Music* music = nullptr;
    Mix_Chunk* chunk = nullptr;
    int channel = -1;

    Sound() = default;
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;
    ~Sound() {
        stop();
        // Freeing is safe after the mixer closed; SDL_mixer halts nothing of others here.
        if (music) Mix_FreeMusic(music);
        if (chunk) Mix_FreeChunk(chunk);
    }

    bool ownsMusic() const { return music && currentMusic == music; }
    bool chunkPlaying() const {
        return audio == Audio::Open && channel >= 0 && Mix_Playing(channel) &&
               Mix_GetChunk(channel) == chunk;
    }

    void play() {
        if (audio != Audio::Open) return;
        if (music) {
            if (ownsMusic() && Mix_PlayingMusic()) return;
            if (Mix_PlayMusic(music, 0) == 0)
                currentMusic = music;
            else
                qWarning("Music not played: %s", Mix_GetError());
        } else if (chunk && !chunkPlaying()) {
            channel = Mix_PlayChannel(-1, chunk, 0);
        }
    }

    // Stops only what is this sound's own, so the next play starts from the beginning.
    void stop() {
        if (ownsMusic()) {
            if (audio == Audio::Open) Mix_HaltMusic();
            currentMusic = nullptr;
        }
        if (chunkPlaying()) Mix_HaltChannel(channel);
        channel = -1;
    }
};

SdlDevice::SdlDevice() {
    timer_.setInterval(1000);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onStatus) onStatus();
    });
}

SdlDevice::~SdlDevice() {
    if (isOpen()) close();
}

void SdlDevice::open(const QString& path) {
    sound_.reset();
    path_ = path;
    loadTried_ = false;
    timer_.start();
}

void SdlDevice::play() {
    if (!isOpen()) return;
    if (isWave(path_)) return playNow();
    // Loading a piece takes a moment: the windows come up first, then the music.
    const int generation = ++generation_;
    QTimer::singleShot(0, &timer_, [this, generation] {
        if (generation == generation_ && isOpen()) playNow();
    });
}

void SdlDevice::playNow() {
    if (!audioReady()) return;
    if (!loadTried_) {
        loadTried_ = true;
        const QByteArray file = QFile::encodeName(path_);
        auto sound = std::make_unique<Sound>();
        if (isWave(path_))
            sound->chunk = Mix_LoadWAV(file.constData());
        else
            sound->music = Mix_LoadMUS(file.constData());
        if (sound->music || sound->chunk)
            sound_ = std::move(sound);
        else
            qWarning("Not heard: %s: %s", file.constData(), Mix_GetError());
    }
    if (sound_) sound_->play();
}

void SdlDevice::prev() {
    if (sound_) sound_->stop();
}

void SdlDevice::close() {
    timer_.stop();
    sound_.reset();
    loadTried_ = false;
}

std::unique_ptr<MediaDevice> SdlMediaFactory::create() {
    return std::make_unique<SdlDevice>();
}

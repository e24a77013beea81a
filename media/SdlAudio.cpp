#include "media/SdlAudio.h"

#include <QFileInfo>
#include <QtGlobal>
#include <SDL.h>
#include <SDL_mixer.h>

namespace {
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
}

SdlAudio::SdlAudio() : thread_([this] { run(); }) {}

SdlAudio::~SdlAudio() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void SdlAudio::post(std::function<void()> job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void SdlAudio::run() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty()) break; // stopping, with nothing left to do
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
    shut();
    // SDL made per-thread data here (its error text) but not this thread: freed by hand.
    SDL_TLSCleanup();
}

bool SdlAudio::ready() {
    if (state_ != State::Untried) return state_ == State::Open;
    state_ = State::Unavailable;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        qWarning("No sound: %s", SDL_GetError());
        return false;
    }
    Mix_Init(MIX_INIT_OGG);
    // A small buffer keeps the game's sounds close to the key press.
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        qWarning("No sound: %s", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    state_ = State::Open;
    return true;
}

void SdlAudio::enableMidi() {
    if (midi_) return;
    midi_ = true;
    Mix_Init(MIX_INIT_MID);
    if (QFileInfo::exists(QString::fromLatin1(kSoundFont))) Mix_SetSoundFonts(kSoundFont);
}

// Mix_Quit is left out: it unloads the decoders a music freed later still needs.
void SdlAudio::shut() {
    if (state_ != State::Open) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    playing = nullptr;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    state_ = State::Unavailable;
}

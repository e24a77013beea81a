#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The sound system, driven from a thread of its own: opening the audio
// device, loading a piece and freeing one never hold up the windows. Every
// SDL_mixer call runs here, in the order it was posted. One per process, as
// the mixer underneath is one per process.
class SdlAudio {
public:
    SdlAudio();
    // Runs what is still posted, then closes the sound system.
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Returns at once; the job runs, and is destroyed, on the audio thread.
    void post(std::function<void()> job);

    // The rest is for jobs on the audio thread.
    // Opens the audio device on first use; false on a computer without sound.
    bool ready();
    bool isOpen() const { return state_ == State::Open; }
    // The synthesizer and its soundfont, only for a score without a rendering.
    void enableMidi();
    // The music the mixer was last told to play: the mixer holds one piece,
    // so a device halts it only while it is still its own.
    const void* playing = nullptr;

private:
    void run();
    void shut();

    enum class State { Untried, Open, Unavailable } state_ = State::Untried;
    bool midi_ = false;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    std::thread thread_; // last, so it starts once the rest is made
};

#pragma once

#include <QString>
#include <functional>
#include <memory>

// One music or sound device, as the windows drive it: open a file, play it
// from where it stands, rewind, close. While open it reports its status once
// a second; the music windows count these reports to loop and to time things.
// A file that cannot be opened or played is simply not heard.
class MediaDevice {
public:
    virtual ~MediaDevice() = default;
    virtual void open(const QString& path) = 0;
    // Returns at once; the piece plays on.
    virtual void play() = 0;
    // Back to the start.
    virtual void prev() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Called once a second while the device is open.
    std::function<void()> onStatus;
};

class MediaFactory {
public:
    virtual ~MediaFactory() = default;
    virtual std::unique_ptr<MediaDevice> create() = 0;
};

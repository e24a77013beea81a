#pragma once

#include <QString>
#include <memory>

class MediaDevice;
class MkMain;

// One short sound on its own device: opened once, rewound before each play.
// A missing file or device is simply not heard.
class MoleSound {
public:
    MoleSound(MkMain& mk, QString fileName);
    ~MoleSound();
    MoleSound(const MoleSound&) = delete;
    MoleSound& operator=(const MoleSound&) = delete;

    void open();
    void play();
    void close();

private:
    MkMain& mk_;
    QString fileName_;
    std::unique_ptr<MediaDevice> device_;
};

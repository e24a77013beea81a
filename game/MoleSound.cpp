#include "game/MoleSound.h"

#include "core/Media.h"
#include "core/MkMain.h"

MoleSound::MoleSound(MkMain& mk, QString fileName)
    : mk_(mk), fileName_(std::move(fileName)), device_(mk.ports.media.create()) {}

MoleSound::~MoleSound() {
    if (device_ && device_->isOpen()) device_->close();
}

void MoleSound::open() {
    if (device_) device_->open(mk_.DefaultDataFolder + fileName_);
}

void MoleSound::play() {
    if (!device_) return;
    device_->prev();
    device_->play();
}

void MoleSound::close() {
    if (device_) device_->close();
}

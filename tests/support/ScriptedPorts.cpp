#include "support/ScriptedPorts.h"

#include "core/KeyTables.h"

#include <gtest/gtest.h>

MessageAnswer ScriptedMessages::show(const QString& text, MessageButtons b) {
    shown << text;
    buttons.push_back(b);
    if (whileOpen) whileOpen();
    if (b == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers_.empty()) {
        ADD_FAILURE() << "no answer scripted for: " << text.toStdString();
        return MessageAnswer::No;
    }
    const MessageAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

double FakeRandom::next() {
    if (values.empty()) return 0.0;
    const double v = values[at % values.size()];
    ++at;
    return v;
}

TestProgram::TestProgram(const QString& programFolder)
    : mk(Ports{messages, clock, random, beep, media, printer, copies}, programFolder) {}

bool ScriptedCopies::progress(int done, const QString& fileName) {
    if (cancelAt >= 0 && done >= cancelAt) return false;
    copied << fileName;
    return true;
}

ReplaceAnswer ScriptedCopies::askReplace(const QString& fileName) {
    asked << fileName;
    if (answers_.empty()) {
        ADD_FAILURE() << "no answer scripted for replacing " << fileName.toStdString();
        return ReplaceAnswer::Cancel;
    }
    const ReplaceAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

namespace {

class RecordingDevice final : public MediaDevice {
public:
    explicit RecordingDevice(QStringList& log) : log_(log) {}
    void open(const QString& path) override {
        log_ << u"open "_qs + path.section(u'/', -1);
        open_ = true;
    }
    void play() override { log_ << u"play"_qs; }
    void prev() override { log_ << u"prev"_qs; }
    void close() override {
        log_ << u"close"_qs;
        open_ = false;
    }
    bool isOpen() const override { return open_; }

private:
    QStringList& log_;
    bool open_ = false;
};

} // namespace

std::unique_ptr<MediaDevice> RecordingMedia::create() {
    return std::make_unique<RecordingDevice>(log);
}

void useDeliveredKeys(MkMain& mk) {
    const KeyTables keys =
        readKeyDefine(QStringLiteral(MK_PROGRAM_DIR "/MKData/KEY_DEFINE.DAT")).value();
    mk.KeyLabelIndex = keys.labelIndex;
    mk.KeyFinger = keys.finger;
    mk.KeyShift = keys.shift;
}

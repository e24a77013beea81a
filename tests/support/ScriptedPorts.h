#pragma once

#include "core/MkMain.h"
#include "core/Ports.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <ostream>

// QStrings as text in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Message boxes answered from a queue; every shown text is kept in order. A
// question the test did not script an answer for fails the test and gets No.
// A test may look at the windows while a box is open.
class ScriptedMessages final : public MessagePort {
public:
    MessageAnswer show(const QString& text, MessageButtons buttons) override;
    void answer(MessageAnswer a) { answers_.push_back(a); }

    QStringList shown;
    std::vector<MessageButtons> buttons;
    std::function<void()> whileOpen;

private:
    std::deque<MessageAnswer> answers_;
};

class FakeClock final : public Clock {
public:
    QTime wallTime() const override { return wall; }
    double monotonicSeconds() const override { return seconds; }
    QTime wall{9, 0, 0};
    double seconds = 0.0;
};

class FakeRandom final : public RandomSource {
public:
    void restartFromClock() override {}
    // Cycles through values; 0.0 when none are given.
    double next() override;
    std::vector<double> values;
    size_t at = 0;
};

class CountingBeep final : public BeepPort {
public:
    void beep() override { ++count; }
    int count = 0;
};

// Media devices that write what they are told into one shared log:
// "open <file name>", "play", "prev", "close".
class RecordingMedia final : public MediaFactory {
public:
    std::unique_ptr<MediaDevice> create() override;
    QStringList log;
};

// The print dialog answered with a number of copies (none: cancelled); jobs kept.
class RecordingPrinter final : public PrintPort {
public:
    struct Job {
        QString text;
        QString fontName;
        double pointSize;
        int copies;
    };
    std::optional<int> askCopies() override { return copies; }
    void print(const QString& text, const QString& fontName, double pointSize, int n) override {
        jobs.push_back({text, fontName, pointSize, n});
    }
    std::optional<int> copies = 1;
    std::vector<Job> jobs;
};

// The copy dialog answered from a queue: an unscripted replace question fails
// the test and cancels. cancelAt makes progress report Cancel before that file.
class ScriptedCopies final : public CopyFeedback {
public:
    void begin(int total) override { totals.push_back(total); }
    bool progress(int done, const QString& fileName) override;
    ReplaceAnswer askReplace(const QString& fileName) override;
    void end() override { ++ends; }
    void answer(ReplaceAnswer a) { answers_.push_back(a); }

    std::vector<int> totals;
    QStringList copied; // file names in the order progress saw them
    QStringList asked;  // file names the replace question named
    int ends = 0;
    int cancelAt = -1;

private:
    std::deque<ReplaceAnswer> answers_;
};

// A shared state wired to scripted ports, for a program folder of the test's choice.
struct TestProgram {
    explicit TestProgram(const QString& programFolder = QString());
    ScriptedMessages messages;
    FakeClock clock;
    FakeRandom random;
    CountingBeep beep;
    RecordingMedia media;
    RecordingPrinter printer;
    ScriptedCopies copies;
    MkMain mk;
};

// The key table the build delivers, in the shared state; throws when it is missing.
void useDeliveredKeys(MkMain& mk);

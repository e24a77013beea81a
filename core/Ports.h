#pragma once

#include <QString>
#include <QTime>
#include <optional>

// The seams between the logic and the platform. The window layer and the
// media layer give real implementations; tests give scripted ones.

enum class MessageButtons { Ok, YesNo };
// The answer values of the platform's message box.
enum class MessageAnswer { Ok = 1, Yes = 6, No = 7 };

class MessagePort {
public:
    virtual ~MessagePort() = default;
    // Modal: returns when the user has answered. Lines are separated by CR.
    virtual MessageAnswer show(const QString& text, MessageButtons buttons) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QTime wallTime() const = 0;
    // Seconds from an arbitrary origin that never runs backwards.
    virtual double monotonicSeconds() const = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts the sequence afresh from the time of day.
    virtual void restartFromClock() = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
};

class BeepPort {
public:
    virtual ~BeepPort() = default;
    virtual void beep() = 0;
};

class PrintPort {
public:
    virtual ~PrintPort() = default;
    // The print dialog: the number of copies, or nothing when the user cancels.
    virtual std::optional<int> askCopies() = 0;
    // Prints text once per copy, all copies in one job; lines are separated by CR LF.
    virtual void print(const QString& text, const QString& fontName, double pointSize,
                       int copies) = 0;
};

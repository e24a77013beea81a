#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>

// The pupil's stored scores: lesson 0..1000 by slot 0..100, one byte each.
// Laid out as the history file stores it: lesson i, slot k at i + 1001 * k.
class ScoreTable {
public:
    static constexpr int kLessons = 1001;
    static constexpr int kSlots = 101;
    static constexpr int kBytes = kLessons * kSlots;

    quint8& operator()(int lesson, int slot) { return bytes_[offset(lesson, slot)]; }
    quint8 operator()(int lesson, int slot) const { return bytes_[offset(lesson, slot)]; }

    void clear() { bytes_.fill(0); }
    const std::array<quint8, kBytes>& bytes() const { return bytes_; }
    std::array<quint8, kBytes>& bytes() { return bytes_; }

    static constexpr int offset(int lesson, int slot) { return lesson + kLessons * slot; }

private:
    std::array<quint8, kBytes> bytes_{};
};

#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <array>

// "KEY_DEFINE.DAT": per character code 0..126 the on-screen key that types
// it, the finger, and the Shift to hold (1 right, 2 left, other none).
struct KeyTables {
    static constexpr int kCodes = 127;
    static constexpr int kFileSize = 3 * kCodes;
    static constexpr quint8 kRightShift = 1;
    static constexpr quint8 kLeftShift = 2;

    std::array<quint8, kCodes> labelIndex{};
    std::array<quint8, kCodes> finger{};
    std::array<quint8, kCodes> shift{};
};

// A file shorter than 381 bytes is damaged; bytes beyond are ignored.
Result<KeyTables> readKeyDefine(const QByteArray& bytes);
Result<KeyTables> readKeyDefine(const QString& path);
QByteArray writeKeyDefine(const KeyTables& tables);

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Fixed-width text fields of the binary files: CP932 bytes padded with
// half-width spaces. A reader stops at the first half-width space.
namespace textfield {

inline constexpr int kWidth = 30;

// Cuts at whole characters so that a double-byte character is never split.
QByteArray pack(const QString& value, int width = kWidth);
QString unpack(QByteArrayView field);
// True when value is stored whole: representable and within width bytes.
bool fits(const QString& value, int width = kWidth);

} // namespace textfield

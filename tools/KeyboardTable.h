#pragma once

#include "core/KeyTables.h"
#include "core/Result.h"

#include <QString>

// The readable keyboard table of data/keyboard/, from which KEY_DEFINE.DAT is
// built. Its format is described at the top of data/keyboard/jis106.txt.
namespace keyboard {

inline constexpr int kKeys = 66;
inline constexpr int kFingers = 9;
inline constexpr quint8 kThumbs = 8;
// Label index and finger of a code no key types; the lesson window reads an
// index outside 0..65 as "no key".
inline constexpr quint8 kNoKey = 255;

// Refuses the whole table, naming the line, when a line cannot be read, a
// number is out of range, or a key or character appears twice.
Result<KeyTables> parseTable(const QString& text);
Result<KeyTables> readTable(const QString& path);

} // namespace keyboard

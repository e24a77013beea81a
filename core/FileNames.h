#pragma once

#include <QString>
#include <optional>

// Whether text typed by a person can name a file on every computer the
// program runs on: the school's Windows machines and this system alike.
namespace filenames {

enum class Problem {
    Empty,
    ForbiddenCharacter, // a path separator, one of : * ? " < > |, or a control character
    EdgeSpaceOrDot,     // Windows drops a leading or trailing blank or dot
    ReservedName,       // CON, NUL, COM1 … with or without an extension
    TooLong,
    OutsideCodePage,
};

// The longest file name, in bytes of UTF-8, that the file systems here hold.
inline constexpr int kMaxNameBytes = 255;
// What the whole-file writer adds for the temporary file beside the target
// (".mk-" and six letters); the name must leave room for it.
inline constexpr int kWriterMarkBytes = 10;

bool hasForbiddenCharacter(const QString& name);
bool isReservedName(const QString& name);

// The first reason name followed by suffix (such as ".MKL.txt") cannot be a
// file name, or nullopt when it can.
std::optional<Problem> problem(const QString& name, const QString& suffix = {});

} // namespace filenames

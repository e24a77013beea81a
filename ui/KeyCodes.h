#pragma once

class QKeyEvent;

// Key events as the windows' handlers take them.
namespace keycodes {

// The character code of a key press, 0 when the key types no character.
int keyAscii(const QKeyEvent& event);
// The platform key code of a key (13 Enter, 27 Esc, 144 NumLock ...), 0 if none.
int keyCode(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4.
int shiftState(const QKeyEvent& event);

} // namespace keycodes

#pragma once

// Character codes (key presses) and key codes (key releases) the windows act on.
namespace keys {

inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEsc = 27;
inline constexpr int kSpace = 32;
inline constexpr int kNumLock = 144; // key code only

} // namespace keys

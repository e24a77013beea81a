#pragma once

// Indices of the on-screen keyboard caps (AZ), keypad caps (TK) and finger
// markers (F) that the runs guide with by name.
namespace caps {

inline constexpr int kEnter = 28;
inline constexpr int kLeftShift = 42;
inline constexpr int kRightShift = 54;
inline constexpr int kSpace = 59;
inline constexpr int kLastKey = 65;

inline constexpr int kPadEnter = 12;
inline constexpr int kPadNumLock = 16;
inline constexpr int kPadCaps = 16; // caps a keypad lesson can guide: 0..15

} // namespace caps

namespace finger {

inline constexpr int kLeftLittle = 0;
inline constexpr int kRightIndex = 4;
inline constexpr int kRightMiddle = 5;
inline constexpr int kRightRing = 6;
inline constexpr int kRightLittle = 7;
inline constexpr int kThumb = 8;

} // namespace finger

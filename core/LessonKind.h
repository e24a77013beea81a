#pragma once

#include <QtGlobal>

// The kind of a catalogue lesson, as the catalogue stores it. It is also the
// lesson's menu tab (kind - 1) and chooses the run that types it.
namespace lesson {

enum Kind : quint8 {
    Letters = 1,   // 初級編: half-width letters, upper-cased, guided key by key
    Hiragana = 2,  // 中級編: hiragana lines through the input method, or key by key in romaji
    Text = 3,      // 上級編: full-width text, line by line
    Numbers = 4,   // 数値編: the numeric keypad, key by key
    Questions = 5, // 問題編: questions with three chances each
    CaseKept = 6,  // その他: half-width letters, case kept, guided key by key
};

inline constexpr int kTabs = 6;

// Kinds typed one key at a time with a key guide.
inline bool guidedKeyByKey(int kind) {
    return kind == Letters || kind == CaseKept;
}

} // namespace lesson

#pragma once

#include <QString>
#include <vector>

// Judges a line of hiragana typed in romaji, one key at a time, the way Japanese
// input methods read romaji: every common spelling is taken (shi/si, chi/ti,
// tsu/tu, fu/hu, ji/zi, sha/sya, cha/tya/cya, ja/jya/zya, small kana by x or l,
// っ by a doubled consonant or xtu/ltu, ー by "-", 、 by ",", 。 by "."), and the
// pupil may leave the spelling the guide shows for any other valid one at any key.
//
// ん: a single "n" is enough before a consonant other than n and y; before a
// vowel, y, n or at the end of the line it takes "nn", "n'" or "xn". At the end
// of the line a lone "n" is not enough because, as in an input method, it would
// still be a letter waiting for its vowel; the guide shows "nn" there.
//
// A wrong key leaves the judge exactly as it was.
class RomajiJudge {
public:
    explicit RomajiJudge(const QString& kana);

    // Takes one key (a half-width character as typed, letters in either case).
    // Returns false for a wrong key, which changes nothing.
    bool press(QChar key);

    // Kana of the line that are typed in full.
    int kanaDone() const;
    bool finished() const;

    // The keys taken so far on this line, and the keys still to type along the
    // spelling the pupil is on (the guide's preferred one where nothing is typed yet).
    QString typed() const;
    QString remaining() const;
    // The first key of remaining(), or a null QChar when the line is done.
    QChar nextKey() const;

private:
    struct Spelling {
        int kanaCount; // kana this spelling covers, from the current position
        QString keys;
    };
    using Spellings = std::vector<Spelling>;

    Spellings spellingsAt(int i) const;
    Spellings spellingsOfN(int i) const;
    Spellings spellingsOfSmallTsu(int i) const;
    bool extendPending(QChar key);
    const Spelling* spellingEqualToPending() const;
    bool pendingCanGrow() const;
    void complete(const Spelling& s);

    // Spellings that may start at each kana position, the preferred one first.
    std::vector<Spellings> spellings_;
    QString kana_;
    int position_ = 0; // first kana not yet typed in full
    QString pending_;  // keys typed towards the kana at position_
    QString typed_;    // every key taken on this line
};

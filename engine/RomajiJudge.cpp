#include "engine/RomajiJudge.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace {

struct Entry {
    const char16_t* kana;
    const char* keys; // spellings separated by spaces, the one the guide shows first
};

// Each kana, and the pairs an input method reads as one sound, with their spellings.
constexpr Entry kTable[] = {
    {u"あ", "a"},
    {u"い", "i yi"},
    {u"う", "u wu whu"},
    {u"え", "e"},
    {u"お", "o"},
    {u"か", "ka ca"},
    {u"き", "ki"},
    {u"く", "ku cu qu"},
    {u"け", "ke"},
    {u"こ", "ko co"},
    {u"が", "ga"},
    {u"ぎ", "gi"},
    {u"ぐ", "gu"},
    {u"げ", "ge"},
    {u"ご", "go"},
    {u"さ", "sa"},
    {u"し", "shi si ci"},
    {u"す", "su"},
    {u"せ", "se ce"},
    {u"そ", "so"},
    {u"ざ", "za"},
    {u"じ", "ji zi"},
    {u"ず", "zu"},
    {u"ぜ", "ze"},
    {u"ぞ", "zo"},
    {u"た", "ta"},
    {u"ち", "chi ti"},
    {u"つ", "tsu tu"},
    {u"て", "te"},
    {u"と", "to"},
    {u"だ", "da"},
    {u"ぢ", "di"},
    {u"づ", "du"},
    {u"で", "de"},
    {u"ど", "do"},
    {u"な", "na"},
    {u"に", "ni"},
    {u"ぬ", "nu"},
    {u"ね", "ne"},
    {u"の", "no"},
    {u"は", "ha"},
    {u"ひ", "hi"},
    {u"ふ", "fu hu"},
    {u"へ", "he"},
    {u"ほ", "ho"},
    {u"ば", "ba"},
    {u"び", "bi"},
    {u"ぶ", "bu"},
    {u"べ", "be"},
    {u"ぼ", "bo"},
    {u"ぱ", "pa"},
    {u"ぴ", "pi"},
    {u"ぷ", "pu"},
    {u"ぺ", "pe"},
    {u"ぽ", "po"},
    {u"ま", "ma"},
    {u"み", "mi"},
    {u"む", "mu"},
    {u"め", "me"},
    {u"も", "mo"},
    {u"や", "ya"},
    {u"ゆ", "yu"},
    {u"よ", "yo"},
    {u"ら", "ra"},
    {u"り", "ri"},
    {u"る", "ru"},
    {u"れ", "re"},
    {u"ろ", "ro"},
    {u"わ", "wa"},
    {u"ゐ", "wyi"},
    {u"ゑ", "wye"},
    {u"を", "wo"},
    {u"ゔ", "vu"},
    {u"ぁ", "xa la"},
    {u"ぃ", "xi li xyi lyi"},
    {u"ぅ", "xu lu"},
    {u"ぇ", "xe le xye lye"},
    {u"ぉ", "xo lo"},
    {u"ゃ", "xya lya"},
    {u"ゅ", "xyu lyu"},
    {u"ょ", "xyo lyo"},
    {u"ゎ", "xwa lwa"},
    {u"っ", "xtu ltu xtsu ltsu"},
    {u"ゕ", "xka lka"},
    {u"ゖ", "xke lke"},
    {u"ー", "-"},
    {u"、", ","},
    {u"。", "."},
    {u"「", "["},
    {u"」", "]"},
    {u"・", "/"},
    {u"〜", "~"},
    {u"ふぁ", "fa"},
    {u"ふぃ", "fi"},
    {u"ふぇ", "fe"},
    {u"ふぉ", "fo"},
    {u"ふゃ", "fya"},
    {u"ふゅ", "fyu"},
    {u"ふょ", "fyo"},
    {u"ゔぁ", "va"},
    {u"ゔぃ", "vi"},
    {u"ゔぇ", "ve"},
    {u"ゔぉ", "vo"},
    {u"ゔゃ", "vya"},
    {u"ゔゅ", "vyu"},
    {u"ゔょ", "vyo"},
    {u"てゃ", "tha"},
    {u"てぃ", "thi"},
    {u"てゅ", "thu"},
    {u"てぇ", "the"},
    {u"てょ", "tho"},
    {u"でゃ", "dha"},
    {u"でぃ", "dhi"},
    {u"でゅ", "dhu"},
    {u"でぇ", "dhe"},
    {u"でょ", "dho"},
    {u"とぁ", "twa"},
    {u"とぃ", "twi"},
    {u"とぅ", "twu"},
    {u"とぇ", "twe"},
    {u"とぉ", "two"},
    {u"どぁ", "dwa"},
    {u"どぃ", "dwi"},
    {u"どぅ", "dwu"},
    {u"どぇ", "dwe"},
    {u"どぉ", "dwo"},
    {u"うぁ", "wha"},
    {u"うぃ", "wi whi"},
    {u"うぇ", "we whe"},
    {u"うぉ", "who"},
    {u"いぇ", "ye"},
    {u"ぐぁ", "gwa"},
    {u"くぁ", "kwa qa qwa"},
    {u"くぃ", "qi qwi"},
    {u"くぇ", "qe qwe"},
    {u"くぉ", "qo qwo"},
    {u"つぁ", "tsa"},
    {u"つぃ", "tsi"},
    {u"つぇ", "tse"},
    {u"つぉ", "tso"},
};

// The i-row kana that take a small ya, yu, yo (and ye, yi), with the keys before the vowel.
constexpr std::pair<char16_t, const char*> kYouon[] = {
    {u'き', "ky"},       {u'ぎ', "gy"}, {u'し', "sh sy"}, {u'じ', "j jy zy"},
    {u'ち', "ch ty cy"}, {u'ぢ', "dy"}, {u'に', "ny"},    {u'ひ', "hy"},
    {u'び', "by"},       {u'ぴ', "py"}, {u'み', "my"},    {u'り', "ry"},
};
constexpr std::pair<char16_t, char> kSmallVowels[] = {
    {u'ゃ', 'a'}, {u'ゅ', 'u'}, {u'ょ', 'o'}, {u'ぇ', 'e'}, {u'ぃ', 'i'}};

QStringList words(const char* keys) {
    return QString::fromLatin1(keys).split(u' ');
}

QHash<QString, QStringList> buildTable() {
    QHash<QString, QStringList> table;
    for (const Entry& e : kTable)
        table.insert(QString::fromUtf16(e.kana), words(e.keys));
    for (auto [kana, prefixes] : kYouon)
        for (auto [small, vowel] : kSmallVowels)
            for (const QString& prefix : words(prefixes))
                if (vowel != 'i' || prefix.endsWith(u'y')) // "shi" is し alone
                    table[QString(QChar(kana)) + QChar(small)].append(prefix + QChar(vowel));
    return table;
}

const QHash<QString, QStringList>& romajiTable() {
    static const QHash<QString, QStringList> table = buildTable();
    return table;
}

bool isHiragana(QChar c) {
    return c.unicode() >= 0x3041 && c.unicode() <= 0x3096;
}

// Letters an input method doubles into っ; "nn" is ん, and x and l start small kana.
bool doubles(QChar c) {
    return c.isLower() && c.unicode() < 0x80 && !QStringView(u"aiueonxl").contains(c);
}

// A letter after which a single "n" cannot be misread: not a vowel, not n, not y.
bool leavesLoneNClear(QChar c) {
    return c.isLower() && c.unicode() < 0x80 && !QStringView(u"aiueony").contains(c);
}

// Characters without romaji are typed as themselves; full-width ones also by their
// half-width form, which is what the keyboard sends.
QStringList ownKeys(QChar c) {
    if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E)
        return {QString(QChar(c.unicode() - 0xFEE0)), QString(c)};
    if (c.unicode() == 0x3000) return {QStringLiteral(" "), QString(c)};
    return {QString(c)};
}

bool sameKey(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

} // namespace

RomajiJudge::RomajiJudge(const QString& kana) : kana_(kana) {
    spellings_.resize(kana_.size());
    // Built from the end: っ and ん depend on the spellings that follow them.
    for (int i = int(kana_.size()) - 1; i >= 0; --i)
        spellings_[i] = spellingsAt(i);
}

RomajiJudge::Spellings RomajiJudge::spellingsAt(int i) const {
    const QChar c = kana_[i];
    if (c == u'ん') return spellingsOfN(i);
    if (c == u'っ') return spellingsOfSmallTsu(i);
    Spellings out;
    const auto& table = romajiTable();
    if (i + 1 < kana_.size()) {
        const auto pair = table.constFind(kana_.mid(i, 2));
        if (pair != table.cend())
            for (const QString& keys : *pair)
                out.push_back({2, keys});
    }
    const auto single = table.constFind(QString(c));
    for (const QString& keys : single != table.cend() ? *single : ownKeys(c))
        out.push_back({1, keys});
    return out;
}

RomajiJudge::Spellings RomajiJudge::spellingsOfN(int i) const {
    Spellings out;
    const bool last = i + 1 >= kana_.size();
    if (!last && std::all_of(spellings_[i + 1].begin(), spellings_[i + 1].end(),
                             [](const Spelling& s) { return leavesLoneNClear(s.keys[0]); }))
        out.push_back({1, QStringLiteral("n")});
    for (const char* keys : {"nn", "n'", "xn"})
        out.push_back({1, QString::fromLatin1(keys)});
    return out;
}

RomajiJudge::Spellings RomajiJudge::spellingsOfSmallTsu(int i) const {
    Spellings out;
    if (i + 1 < kana_.size() && isHiragana(kana_[i + 1])) {
        for (const Spelling& next : spellings_[i + 1]) {
            const QChar first = next.keys[0];
            if (doubles(first)) out.push_back({next.kanaCount + 1, first + next.keys});
            if (next.keys.startsWith(u"ch")) out.push_back({next.kanaCount + 1, u't' + next.keys});
        }
        // The longer covers first, as everywhere else.
        std::stable_sort(out.begin(), out.end(), [](const Spelling& a, const Spelling& b) {
            return a.kanaCount > b.kanaCount;
        });
    }
    for (const QString& keys : romajiTable().value(QStringLiteral("っ")))
        out.push_back({1, keys});
    return out;
}

bool RomajiJudge::press(QChar key) {
    if (finished()) return false;
    if (extendPending(key)) return true;
    // A spelling that is already whole but could have grown (the lone "n" of ん)
    // ends here, and the key starts the next kana.
    const Spelling* whole = spellingEqualToPending();
    if (!whole) return false;
    const int position = position_;
    const QString pending = pending_;
    complete(*whole);
    if (!finished() && extendPending(key)) return true;
    position_ = position;
    pending_ = pending;
    return false;
}

bool RomajiJudge::extendPending(QChar key) {
    const qsizetype n = pending_.size();
    for (const Spelling& s : spellings_[position_]) {
        if (s.keys.size() <= n || !s.keys.startsWith(pending_) || !sameKey(s.keys[n], key))
            continue;
        pending_ += s.keys[n];
        typed_ += s.keys[n];
        const Spelling* whole = spellingEqualToPending();
        if (whole && !pendingCanGrow()) complete(*whole);
        return true;
    }
    return false;
}

const RomajiJudge::Spelling* RomajiJudge::spellingEqualToPending() const {
    if (pending_.isEmpty()) return nullptr;
    for (const Spelling& s : spellings_[position_])
        if (s.keys == pending_) return &s;
    return nullptr;
}

bool RomajiJudge::pendingCanGrow() const {
    const auto& here = spellings_[position_];
    return std::any_of(here.begin(), here.end(), [this](const Spelling& s) {
        return s.keys.size() > pending_.size() && s.keys.startsWith(pending_);
    });
}

void RomajiJudge::complete(const Spelling& s) {
    position_ += s.kanaCount;
    pending_.clear();
}

int RomajiJudge::kanaDone() const {
    return position_;
}

bool RomajiJudge::finished() const {
    return position_ >= kana_.size();
}

QString RomajiJudge::typed() const {
    return typed_;
}

QString RomajiJudge::remaining() const {
    QString out;
    int i = position_;
    if (i < kana_.size()) {
        // pending_ is always the start of some spelling here; the first such is followed.
        for (const Spelling& s : spellings_[i])
            if (s.keys.startsWith(pending_)) {
                out += QStringView(s.keys).mid(pending_.size());
                i += s.kanaCount;
                break;
            }
    }
    while (i < kana_.size()) {
        out += spellings_[i].front().keys;
        i += spellings_[i].front().kanaCount;
    }
    return out;
}

QChar RomajiJudge::nextKey() const {
    const QString rest = remaining();
    return rest.isEmpty() ? QChar() : rest.front();
}

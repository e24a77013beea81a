#include "engine/RomajiJudge.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace {

// Each kana, and the pairs an input method reads as one sound, with their spellings:
// "か=ka/ca" takes "ka" or "ca", and the guide shows the first.
constexpr const char16_t* kTable[] = {
    u"あ=a い=i/yi う=u/wu/whu え=e お=o",
    u"か=ka/ca き=ki く=ku/cu/qu け=ke こ=ko/co が=ga ぎ=gi ぐ=gu げ=ge ご=go",
    u"さ=sa し=shi/si/ci す=su せ=se/ce そ=so ざ=za じ=ji/zi ず=zu ぜ=ze ぞ=zo",
    u"た=ta ち=chi/ti つ=tsu/tu て=te と=to だ=da ぢ=di づ=du で=de ど=do",
    u"な=na に=ni ぬ=nu ね=ne の=no は=ha ひ=hi ふ=fu/hu へ=he ほ=ho",
    u"ば=ba び=bi ぶ=bu べ=be ぼ=bo ぱ=pa ぴ=pi ぷ=pu ぺ=pe ぽ=po",
    u"ま=ma み=mi む=mu め=me も=mo や=ya ゆ=yu よ=yo ら=ra り=ri る=ru れ=re ろ=ro",
    u"わ=wa ゐ=wyi ゑ=wye を=wo ゔ=vu",
    u"ぁ=xa/la ぃ=xi/li/xyi/lyi ぅ=xu/lu ぇ=xe/le/xye/lye ぉ=xo/lo",
    u"ゃ=xya/lya ゅ=xyu/lyu ょ=xyo/lyo ゎ=xwa/lwa っ=xtu/ltu/xtsu/ltsu ゕ=xka/lka ゖ=xke/lke",
    u"ー=- 、=, 。=. 「=[ 」=] ・=/ 〜=~",
    u"ふぁ=fa ふぃ=fi ふぇ=fe ふぉ=fo ふゃ=fya ふゅ=fyu ふょ=fyo",
    u"ゔぁ=va ゔぃ=vi ゔぇ=ve ゔぉ=vo ゔゃ=vya ゔゅ=vyu ゔょ=vyo",
    u"てゃ=tha てぃ=thi てゅ=thu てぇ=the てょ=tho でゃ=dha でぃ=dhi でゅ=dhu でぇ=dhe でょ=dho",
    u"とぁ=twa とぃ=twi とぅ=twu とぇ=twe とぉ=two どぁ=dwa どぃ=dwi どぅ=dwu どぇ=dwe どぉ=dwo",
    u"うぁ=wha うぃ=wi/whi うぇ=we/whe うぉ=who いぇ=ye ぐぁ=gwa",
    u"くぁ=kwa/qa/qwa くぃ=qi/qwi くぇ=qe/qwe くぉ=qo/qwo つぁ=tsa つぃ=tsi つぇ=tse つぉ=tso",
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

void addRow(QHash<QString, QStringList>& table, const char16_t* row) {
    for (const QString& item : QString::fromUtf16(row).split(u' ')) {
        const qsizetype split = item.indexOf(u'=');
        table.insert(item.left(split), item.mid(split + 1).split(u'/'));
    }
}

QHash<QString, QStringList> buildTable() {
    QHash<QString, QStringList> table;
    for (const char16_t* row : kTable)
        addRow(table, row);
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

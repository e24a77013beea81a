#include "game/MoleTitles.h"

#include <array>
#include <cmath>

namespace mole {

int roundHalfEven(double x) {
    const double down = std::floor(x);
    const double rest = x - down;
    if (rest < 0.5) return static_cast<int>(down);
    if (rest > 0.5) return static_cast<int>(down) + 1;
    return static_cast<int>(std::fmod(down, 2.0) == 0.0 ? down : down + 1);
}

namespace {
constexpr std::array<const char16_t*, 15> kTitles{
    u"あなたはもぐらです！",
    u"あなたはもぐらの味方です！",
    u"あなたはもぐらたたきをやるべきではない！",
    u"あなたはもぐらたたきがスーパーヘタッピです！",
    u"あなたはもぐらたたきがへたくそです！",
    u"あなたはもぐらたたき初級者です！",
    u"あなたはもぐらたたき中級者です！",
    u"あなたはもぐらたたき上級者です！",
    u"あなたはもぐらたたきの秀才です！",
    u"あなたはもぐらたたきの達人です！",
    u"あなたはもぐらたたきの天才です！",
    u"あなたはもぐらたたきの師範代です！",
    u"あなたはもぐらたたきの大天才です！",
    u"あなたはもぐらたたきの申し子です！",
    u"あなたはもぐらたたきの神様です！",
};
} // namespace

QString titleFor(int score) {
    // Row n (from 1) covers the scores 10 * (n - 2) up to 10 * (n - 1) - 1.
    const int row = score < 0 ? 1 : std::min(score / 10 + 2, 15);
    return QString::fromUtf16(kTitles[static_cast<size_t>(row - 1)]);
}

} // namespace mole

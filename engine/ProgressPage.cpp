#include "engine/ProgressPage.h"

#include <algorithm>
#include <numeric>

namespace progress {

namespace {

constexpr int kChartRow = 25; // bars per line, so the chart fits the page's width
constexpr int kRecent = 3;    // scores averaged for the trend

// A score 0..100 as one of eight bar heights.
QChar bar(int score) {
    static constexpr char16_t kBars[] = u"▁▂▃▄▅▆▇█";
    return QChar(kBars[std::clamp(score, 0, 100) * 7 / 100]);
}

// The mean of `count` tried scores starting `from` slots back from the newest.
double meanOf(const Scores& scores, int from, int count) {
    const auto first = scores.begin() + from;
    return std::accumulate(first, first + count, 0.0) / count;
}

} // namespace

int triedSlots(const Scores& scores) {
    for (int k = static_cast<int>(scores.size()) - 1; k >= 0; --k)
        if (scores[k] != 0) return k + 1;
    return 0;
}

QString chart(const Scores& scores) {
    QString out;
    const int tried = triedSlots(scores);
    for (int k = tried - 1, n = 0; k >= 0; --k, ++n) {
        if (n > 0 && n % kChartRow == 0) out += u'\n';
        out += bar(scores[k]);
    }
    return out;
}

int nextMilestone(int totalExperience, std::span<const qint16> milestones) {
    int next = 0;
    for (qint16 m : milestones)
        if (m > totalExperience && (next == 0 || m < next)) next = m;
    return next;
}

QString encouragement(const Scores& scores) {
    const int tried = triedSlots(scores);
    if (tried == 0) return QStringLiteral("はじめての練習です。がんばろう！");
    if (tried == 1) return QStringLiteral("記録がつきはじめました。つづけよう！");
    const int recent = std::min(kRecent, tried / 2);
    const double now = meanOf(scores, 0, recent);
    const double before = meanOf(scores, recent, recent);
    if (now > before) return QStringLiteral("得点が上がっています。その調子！");
    if (now < before) return QStringLiteral("あせらず、ていねいに打とう。");
    return QStringLiteral("安定しています。次は最高得点をめざそう！");
}

QString pageText(const Scores& scores, std::span<const qint16> milestones) {
    const int best = *std::max_element(scores.begin(), scores.end());
    const int total = std::accumulate(scores.begin(), scores.end(), 0);
    const int next = nextMilestone(total, milestones);
    QString page = QStringLiteral("あなたの記録（%1回）\n").arg(triedSlots(scores));
    const QString bars = chart(scores);
    if (!bars.isEmpty()) page += bars + u'\n';
    page += QStringLiteral("最高得点 %1　総経験値 %2\n").arg(best).arg(total);
    page += next == 0 ? QStringLiteral("目標はすべて達成しました！\n")
                      : QStringLiteral("次の目標まであと %1（%2）\n").arg(next - total).arg(next);
    return page + encouragement(scores);
}

} // namespace progress

#include "engine/ProgressPage.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace progress;

namespace {

constexpr qint16 kMilestones[] = {100, 300, 500, 1000, 1500, 0, 0};

// Scores given newest first, as the slots hold them.
Scores history(std::initializer_list<int> newestFirst) {
    Scores s{};
    int k = 0;
    for (int v : newestFirst)
        s[k++] = static_cast<quint8>(v);
    return s;
}

} // namespace

TEST(ProgressPage, ShortHistoriesChartOldestToNewestAndCountMenuZeros) {
    const struct {
        Scores scores;
        int tried;
        QString chart, page;
    } cases[] = {{history({}), 0, u""_qs,
                  u"あなたの記録（0回）\n最高得点 0　総経験値 0\n次の目標まであと 100（100）\n"
                  u"はじめての練習です。がんばろう！"_qs},
                 {history({64}), 1, u"▅"_qs,
                  u"あなたの記録（1回）\n▅\n最高得点 64　総経験値 64\n次の目標まであと 36（100）\n"
                  u"記録がつきはじめました。つづけよう！"_qs},
                 // Newest 100, then a run left through Menu (0), then the oldest 10.
                 {history({100, 0, 10}), 3, u"▁▁█"_qs, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tried);
        EXPECT_EQ(triedSlots(c.scores), c.tried);
        EXPECT_EQ(chart(c.scores), c.chart);
        if (!c.page.isEmpty()) {
            EXPECT_EQ(pageText(c.scores, kMilestones), c.page);
        }
    }
}

TEST(ProgressPage, FullHistoryWrapsTheChartAndKeepsEveryPoint) {
    Scores full{};
    for (int k = 0; k < 100; ++k)
        full[k] = static_cast<quint8>(100 - k); // slot 99 oldest = 1, slot 0 newest = 100
    EXPECT_EQ(triedSlots(full), 100);
    const QString bars = chart(full);
    const QStringList rows = bars.split(u'\n');
    ASSERT_EQ(rows.size(), 4);
    for (const QString& row : rows)
        EXPECT_EQ(row.size(), 25);
    EXPECT_EQ(bars.front(), u'▁');
    EXPECT_EQ(bars.back(), u'█');
    const QString page = pageText(full, kMilestones);
    EXPECT_TRUE(page.startsWith(u"あなたの記録（100回）\n"_qs));
    EXPECT_TRUE(page.contains(u"最高得点 100　総経験値 5050\n"_qs));
    EXPECT_TRUE(page.contains(u"目標はすべて達成しました！"_qs));
}

TEST(ProgressPage, NextMilestoneIsTheFirstAboveTheTotal) {
    EXPECT_EQ(nextMilestone(0, kMilestones), 100);
    EXPECT_EQ(nextMilestone(100, kMilestones), 300); // reached ones are behind
    EXPECT_EQ(nextMilestone(999, kMilestones), 1000);
    EXPECT_EQ(nextMilestone(1500, kMilestones), 0);
}

TEST(ProgressPage, TrendChoosesTheEncouragement) {
    EXPECT_EQ(encouragement(history({80, 70, 60, 40, 30, 20})),
              u"得点が上がっています。その調子！"_qs);
    EXPECT_EQ(encouragement(history({20, 30, 40, 60, 70, 80})), u"あせらず、ていねいに打とう。"_qs);
    EXPECT_EQ(encouragement(history({50, 50})), u"安定しています。次は最高得点をめざそう！"_qs);
    // Only the recent runs count: an old low score does not make a fall a rise.
    EXPECT_EQ(encouragement(history({40, 40, 40, 60, 60, 60, 5})),
              u"あせらず、ていねいに打とう。"_qs);
}

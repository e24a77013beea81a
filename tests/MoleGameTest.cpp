#include "game/MOGU1.h"
#include "game/MOGU2.h"
#include "game/MoleTitles.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"

#include <gtest/gtest.h>

TEST(MoleTitles, HalvesRoundToEvenAndTitlesChangeEveryTenPointsUpTo130) {
    for (auto [x, n] : {std::pair(0.5, 0), {1.5, 2}, {4732.5, 4732}, {2.5001, 3}, {-1.5, -2}})
        EXPECT_EQ(mole::roundHalfEven(x), n) << x;
    const std::pair<int, const char16_t*> rows[] = {
        {-1, u"あなたはもぐらです！"},
        {0, u"あなたはもぐらの味方です！"},
        {9, u"あなたはもぐらの味方です！"},
        {10, u"あなたはもぐらたたきをやるべきではない！"},
        {129, u"あなたはもぐらたたきの申し子です！"},
        {130, u"あなたはもぐらたたきの神様です！"},
        {140, u"あなたはもぐらたたきの神様です！"},
        {141, u"あなたはもぐらたたきの神様です！"},
    };
    for (auto [score, title] : rows)
        EXPECT_EQ(mole::titleFor(score), QString::fromUtf16(title)) << score;
}

struct MoleGame : ::testing::Test {
    TestProgram p;
    WindowRegistry& windows = p.mk.windows;

    MoleGame() {
        addWindows(windows, {MOGU1::kName, MOGU2::kName});
        addStandIns(windows, {u"Menu", u"Marokey"});
        p.mk.DefaultDataFolder = u"/school/MKData/"_qs;
    }
    MOGU2* game() const { return windows.get<MOGU2>(u"MOGU2"_qs); }
    MOGU2* start() {
        windows.Show(u"MOGU1"_qs);
        MOGU1* rules = windows.get<MOGU1>(u"MOGU1"_qs);
        windows.dispatch([&] { rules->Click(rules->Command1); });
        return game();
    }
    void tick(Control& timer, std::vector<double> draws = {}) {
        if (!draws.empty()) p.random.values = draws, p.random.at = 0;
        windows.dispatch([&] { game()->Timer(timer); });
    }
    void click(Control& target, std::vector<double> draws = {}) {
        if (!draws.empty()) p.random.values = draws, p.random.at = 0;
        windows.dispatch([&] { game()->Click(target); });
    }
    // Countdown ticks until the game is gone; how many it took.
    int runOut() {
        int ticks = 0;
        while (game() && ++ticks < 200)
            tick(game()->Timer3);
        return ticks;
    }
};

TEST_F(MoleGame, TheCountdownRuns100To0ThenScoresWithTheTimersStoppedAndGroundPressesCost) {
    const std::pair<int, QString> cases[] = {{0, u"得点　：　0\r\rあなたはもぐらの味方です！"_qs},
                                             {3, u"得点　：　-3\r\rあなたはもぐらです！"_qs}};
    for (const auto& [presses, result] : cases) {
        SCOPED_TRACE(presses);
        p.media.log.clear();
        MOGU2* g = start();
        EXPECT_FALSE(g->C.visible);
        EXPECT_EQ(g->Label2.caption, u"100"_qs);
        for (int i = 0; i < presses; ++i)
            windows.dispatch([&] { g->Form_Click(); });
        EXPECT_EQ(g->Label5.caption, QString::number(-presses));
        EXPECT_EQ(p.media.log.count(u"play"_qs), presses);
        for (int i = 0; i < 100; ++i)
            tick(g->Timer3);
        EXPECT_EQ(g->Label2.caption, u"1"_qs);
        EXPECT_TRUE(p.messages.shown.isEmpty());
        p.messages.whileOpen = [&] {
            EXPECT_EQ(g->Label2.caption, u"0"_qs);
            EXPECT_FALSE(g->Timer1.enabled || g->Timer3.enabled || g->Timer5.enabled);
        };
        tick(g->Timer3);
        EXPECT_FALSE(game());
        EXPECT_EQ(p.messages.shown, (QStringList{u"結果発表"_qs, result}));
        if (presses == 0) {
            EXPECT_EQ(p.media.log,
                      (QStringList{u"open hit.wav"_qs, u"open boo.wav"_qs, u"open tada.wav"_qs,
                                   u"prev"_qs, u"play"_qs, u"close"_qs, u"close"_qs, u"close"_qs}));
        }
        p.messages.shown.clear();
        p.messages.whileOpen = nullptr;
    }
}

TEST_F(MoleGame, MolesSpeedUpTheFirstFromItsSecondTickUntilUnder300TheOthersAlways) {
    MOGU2* g = start();
    for (int shown : {3000, 3000, 2925, 2852}) {
        tick(g->Timer1);
        EXPECT_EQ(g->Label4.caption, QString::number(shown));
    }
    int ticks = 4;
    while (g->Timer1.enabled && ++ticks < 500)
        tick(g->Timer1);
    EXPECT_EQ(ticks, 92);
    EXPECT_EQ(g->Label4.caption, u"307"_qs);
    EXPECT_EQ(g->Timer1.interval, 299);
    EXPECT_TRUE(g->C.visible);

    for (int interval : {3510, 3422, 3336}) {
        tick(g->Timer4);
        EXPECT_EQ(g->Timer4.interval, interval);
    }
    tick(g->Timer6);
    EXPECT_EQ(g->Timer6.interval, 3900);
    // 97.5 and 58.5 go to the even neighbour
    for (auto [from, to] : {std::pair(250, 244), {100, 98}, {60, 58}}) {
        g->Timer4.interval = from;
        tick(g->Timer4);
        EXPECT_EQ(g->Timer4.interval, to);
    }
    EXPECT_TRUE(g->Timer4.enabled);
}

TEST_F(MoleGame, EveryTargetLandsInsideItsMargin) {
    MOGU2* g = start();
    g->Timer2.interval = 3000;
    const std::tuple<Control*, Control*, int> cases[] = {{&g->Timer1, &g->C, 1335},
                                                         {&g->Timer2, &g->D, 1335},
                                                         {&g->Timer4, &g->C1, 1455},
                                                         {&g->Timer6, &g->C2, 1455},
                                                         {&g->Timer5, &g->G, 1455}};
    for (auto [timer, target, margin] : cases) {
        const int width = g->geometry.width - margin, height = g->geometry.height - margin;
        ASSERT_TRUE(width % 2 && height % 2); // so that r = 0.5 lands on a half
        for (auto [r, left, top] :
             {std::tuple(0.0, 0, 0),
              {0.999999999, width, height},
              {0.5, width / 2 + width / 2 % 2, height / 2 + height / 2 % 2}}) {
            tick(*timer, target == &g->G ? std::vector{0.1, r, r} : std::vector{r, r});
            EXPECT_TRUE(target->visible);
            EXPECT_EQ(std::pair(target->geometry.left, target->geometry.top), std::pair(left, top))
                << target->name.toStdString() << " r " << r;
        }
    }
}

TEST_F(MoleGame, TheDecoyStopsWhenHitAndOnlyAMoleHitRoundingToOneRestartsIt) {
    MOGU2* g = start();
    click(g->C, {0.2}); // 1.2 rounds to 1
    EXPECT_EQ(g->Timer2.interval, 3000);
    tick(g->Timer2, {0.3, 0.4});
    EXPECT_TRUE(g->D.visible);
    click(g->D);
    EXPECT_FALSE(g->D.visible);
    EXPECT_EQ(g->Timer2.interval, 0);
    EXPECT_EQ(g->Label5.caption, u"-4"_qs);
    tick(g->Timer1);
    tick(g->Timer1); // now 2925
    // 0.5 and 1.5 round to the even 0 and 2
    for (double r : {1.0 / 12, 0.25, 0.0, 0.99}) {
        click(g->C1, {r});
        EXPECT_EQ(g->Timer2.interval, 0) << r;
    }
    click(g->G, {0.2});
    EXPECT_EQ(g->Timer2.interval, 0); // the golden mole never wakes the decoy
    click(g->C2, {0.15});             // 0.9 rounds to 1
    EXPECT_EQ(g->Timer2.interval, 2925);
    EXPECT_EQ(g->MoleScore, 1 - 5 + 4 + 7 + 1);
}

TEST_F(MoleGame, TheGoldenMoleShowsWhenTheDrawTimes15Is1) {
    MOGU2* g = start();
    for (auto [r, shows] :
         {std::pair(0.066, false), {0.0667, true}, {0.13, true}, {0.134, false}}) {
        tick(g->Timer5, {r, 0.5, 0.5});
        EXPECT_EQ(g->G.visible, shows) << r;
    }
}

// A repeat run that crossed a milestone leads here through the rules.
TEST_F(MoleGame, FromARepeatRunTheLessonComesBackBesideTheGameThenTheMenuEarlyCloseOrNot) {
    for (bool early : {true, false}) {
        SCOPED_TRACE(early);
        p.mk.GameFromRepeat = 1;
        p.media.log.clear();
        windows.Hide(u"Menu"_qs);
        start();
        EXPECT_FALSE(windows.isLoaded(u"MOGU1"_qs)); // it applied the return rule as it went
        EXPECT_TRUE(game()->modal);                  // in front of the lesson
        EXPECT_TRUE(windows.isVisible(u"Marokey"_qs));
        EXPECT_FALSE(windows.isVisible(u"Menu"_qs));
        EXPECT_EQ(p.mk.GameFromRepeat, 0);
        if (early) {
            windows.Unload(u"MOGU2"_qs); // the close box skips the results
            EXPECT_TRUE(p.messages.shown.isEmpty());
            EXPECT_EQ(p.media.log.mid(3), (QStringList{u"close"_qs, u"close"_qs, u"close"_qs}));
        } else {
            runOut();
            EXPECT_EQ(p.messages.shown.last(), u"得点　：　0\r\rあなたはもぐらの味方です！"_qs);
        }
        EXPECT_TRUE(windows.isVisible(u"Menu"_qs));
    }
}

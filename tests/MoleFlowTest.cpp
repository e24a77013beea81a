#include "game/MOGU1.h"
#include "game/MOGU2.h"
#include "support/LessonFixture.h"

// A repeat run that crosses 1000 experience points leads through the rules
// and the game back to the lesson, and from there to the menu.
struct MoleFlowTest : LessonFixture {
    MoleFlowTest() {
        setLesson(4, {u"1234"_qs});
        addWindows(mk.windows, {MOGU1::kName, MOGU2::kName});
    }
    void finishRun() {
        clock.seconds = 100.0;
        enter();
        clock.seconds = 160.0;
        for (const QString& line : w()->LessonLines)
            typeKeys(line + u"\r"_qs);
        ASSERT_EQ(w()->Phase, LessonWindow::Shown);
    }
};

TEST_F(MoleFlowTest, AMilestoneOpensTheRulesThenTheGameThenReturns) {
    mk.ScoreHistory(0, 0) = 200;
    for (int slot = 2; slot < 6; ++slot)
        mk.ScoreHistory(0, slot) = 200;
    open();
    mk.windows.dispatch([&] { w()->Repeat_Click(); });
    finishRun();
    release(27);
    ASSERT_TRUE(visible(u"MOGU1"_qs));
    EXPECT_FALSE(visible(u"Marokey"_qs) || visible(u"Menu"_qs));
    MOGU1* rules = mk.windows.get<MOGU1>(u"MOGU1"_qs);
    mk.windows.dispatch([&] { rules->Click(rules->Command1); });
    MOGU2* game = mk.windows.get<MOGU2>(u"MOGU2"_qs);
    ASSERT_TRUE(game);
    EXPECT_TRUE(visible(u"Marokey"_qs));
    EXPECT_EQ(mk.GameFromRepeat, 0);

    for (int i = 0; i <= 100; ++i)
        mk.windows.dispatch([&] { game->Timer(game->Timer3); });
    EXPECT_FALSE(mk.windows.isLoaded(u"MOGU2"_qs));
    EXPECT_TRUE(visible(u"Menu"_qs));
    EXPECT_EQ(messages.shown.last(), u"得点　：　0\r\rあなたはもぐらの味方です！"_qs);
}

#include "logon/Menu.h"

#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

namespace {

class StandIn final : public Window {
public:
    using Window::Window;
};

struct MenuWindow : ::testing::Test {
    TestProgram p;
    WindowRegistry& windows = p.mk.windows;

    MenuWindow() {
        windows.add(u"Menu"_qs, [](MkMain& m) { return std::make_unique<Menu>(m); });
        for (const QString& name :
             {u"Marokey"_qs, u"StartUp"_qs, u"LogOn"_qs, u"SetUp"_qs, u"Ending"_qs})
            windows.add(name, [name](MkMain& m) { return std::make_unique<StandIn>(m, name); });
        const std::pair<int, const char16_t*> catalogue[] = {
            {1, u"ホーム１"}, {6, u"英文"},   {1, u"ホーム２"}, {0, u"種類なし"},
            {1, u"ホーム３"}, {9, u"範囲外"}, {6, u"記号"}};
        int i = 0;
        for (auto [kind, title] : catalogue) {
            p.mk.LessonKind[i] = static_cast<quint8>(kind);
            p.mk.LessonTitle[i++] = QString::fromUtf16(title);
        }
        p.mk.LastLessonIndex = static_cast<qint16>(i - 1);
    }
    Menu* menu() { return windows.get<Menu>(u"Menu"_qs); }
    void run(const std::function<void()>& f) { windows.dispatch(f); }
};

} // namespace

TEST_F(MenuWindow, TabsListTheirLessonsNumberedInCatalogueOrder) {
    for (const QString& name : {u"StartUp"_qs, u"LogOn"_qs, u"SetUp"_qs})
        windows.Load(name);
    windows.Show(u"Menu"_qs);
    EXPECT_EQ(menu()->Lesson[0].items,
              (QStringList{u"001 : ホーム１"_qs, u"002 : ホーム２"_qs, u"003 : ホーム３"_qs}));
    EXPECT_EQ(menu()->Lesson[5].items, (QStringList{u"001 : 英文"_qs, u"002 : 記号"_qs}));
    EXPECT_EQ(menu()->MenuMap[0][2], 4);
    EXPECT_EQ(menu()->MenuMap[5][1], 6);
    EXPECT_EQ(menu()->CategoryCount[0], 3);
    // Kinds without a tab are left out.
    for (int t = 1; t < 5; ++t)
        EXPECT_TRUE(menu()->Lesson[t].items.isEmpty());
    EXPECT_FALSE(windows.isLoaded(u"StartUp"_qs) || windows.isLoaded(u"LogOn"_qs) ||
                 windows.isLoaded(u"SetUp"_qs));
    EXPECT_EQ(p.media.log, (QStringList{u"open MK_Menu.mid"_qs, u"play"_qs}));
    EXPECT_EQ(p.mk.UseLargeWindow, MkMain::True);
}

TEST_F(MenuWindow, AKeyOrDoubleClickConfirmsTheSelectedLesson) {
    windows.Show(u"Menu"_qs);
    Menu* m = menu();
    int key = 'a';
    run([&] { m->KeyPress(m->Lesson[0], key); }); // nothing selected yet
    EXPECT_TRUE(p.messages.shown.isEmpty());

    m->Lesson[0].listIndex = 1;
    p.messages.answer(MessageAnswer::No);
    run([&] { m->KeyPress(m->Lesson[0], key); });
    EXPECT_EQ(p.messages.shown.last(), u"ホーム２\r\rLessonを行います。よろしいですか？"_qs);
    EXPECT_EQ(p.mk.CurrentLesson, 2);
    EXPECT_FALSE(windows.isLoaded(u"Marokey"_qs));

    m->Lesson[5].listIndex = 1;
    run([&] { m->DblClick(m->Lesson[5]); });
    EXPECT_EQ(p.mk.CurrentLesson, 6);
    EXPECT_TRUE(windows.isVisible(u"Marokey"_qs));
}

TEST_F(MenuWindow, PositionFiveHundredIsListedButCannotBeChosen) {
    for (int i = 0; i < 502; ++i) {
        p.mk.LessonKind[i] = 2;
        p.mk.LessonTitle[i] = u"L%1"_qs.arg(i);
    }
    p.mk.LastLessonIndex = 501;
    windows.Show(u"Menu"_qs);
    Menu* m = menu();
    EXPECT_EQ(m->Lesson[1].items.size(), 501);
    EXPECT_EQ(m->Lesson[1].items.last(), u"501 : L500"_qs);
    m->Lesson[1].listIndex = 500;
    run([&] { m->DblClick(m->Lesson[1]); });
    EXPECT_TRUE(p.messages.shown.isEmpty());
}

TEST_F(MenuWindow, ActivationUnloadsAFinishedLessonWindow) {
    windows.Show(u"Menu"_qs);
    windows.Show(u"Marokey"_qs);
    windows.Hide(u"Menu"_qs);
    windows.Show(u"Menu"_qs);
    EXPECT_FALSE(windows.isLoaded(u"Marokey"_qs));
}

TEST_F(MenuWindow, ExitAsksFirstAndMusicRestartsOnThe73rdReport) {
    windows.Show(u"Menu"_qs);
    Menu* m = menu();
    p.messages.answer(MessageAnswer::No);
    run([&] { m->Command1_Click(); });
    EXPECT_EQ(p.messages.shown.last(), u"マロキーを終了します。\r\rよろしいですか？"_qs);
    EXPECT_FALSE(windows.isLoaded(u"Ending"_qs));

    p.media.log.clear();
    for (int n = 1; n <= 72; ++n)
        run([&] { m->MMControl2_StatusUpdate(); });
    EXPECT_TRUE(p.media.log.isEmpty());
    run([&] { m->MMControl2_StatusUpdate(); });
    EXPECT_EQ(p.media.log, (QStringList{u"close"_qs, u"open MK_Menu.mid"_qs, u"play"_qs}));

    run([&] { m->Command1_Click(); });
    EXPECT_TRUE(windows.isVisible(u"Ending"_qs));
}

#include "logon/Menu.h"

#include "support/ScriptedPorts.h"
#include "support/Windows.h"

#include <gtest/gtest.h>

struct MenuWindow : ::testing::Test {
    TestProgram p;
    WindowRegistry& windows = p.mk.windows;

    MenuWindow() {
        addWindows(windows, {Menu::kName});
        addStandIns(windows, {u"Marokey", u"StartUp", u"LogOn", u"SetUp", u"Ending"});
        const QStringList titles = {u"ホーム１"_qs, u"英文"_qs,   u"ホーム２"_qs, u"種類なし"_qs,
                                    u"ホーム３"_qs, u"範囲外"_qs, u"記号"_qs};
        std::copy(titles.begin(), titles.end(), p.mk.LessonTitle.begin());
        p.mk.LessonKind = {1, 6, 1, 0, 1, 9, 6};
        p.mk.LastLessonIndex = 6;
    }
    Menu* menu() { return windows.get<Menu>(u"Menu"_qs); }
};

TEST_F(MenuWindow, TabsListTheirLessonsNumberedInCatalogueOrder) {
    const QStringList before = {u"StartUp"_qs, u"LogOn"_qs, u"SetUp"_qs};
    for (const QString& name : before)
        windows.Load(name);
    windows.Show(u"Menu"_qs);
    QStringList tabs; // kinds without a tab are left out
    for (const Control& tab : menu()->Lesson)
        tabs << tab.items.join(u',');
    EXPECT_EQ(tabs.join(u'|'),
              u"001 : ホーム１,002 : ホーム２,003 : ホーム３|||||001 : 英文,002 : 記号"_qs);
    for (const QString& name : before)
        EXPECT_FALSE(windows.isLoaded(name)) << name.toStdString();
    EXPECT_EQ(p.media.log, (QStringList{u"open MK_Menu.mid"_qs, u"play"_qs}));
    EXPECT_EQ(p.mk.UseLargeWindow, MkMain::True);
}

TEST_F(MenuWindow, AKeyOrDoubleClickConfirmsTheSelectedLessonAndActivationUnloadsIt) {
    windows.Show(u"Menu"_qs);
    Menu* m = menu();
    int key = 'a';
    windows.dispatch([&] { m->KeyPress(m->Lesson[0], key); }); // nothing selected yet: no question
    m->Lesson[0].listIndex = 1;
    p.messages.answer(MessageAnswer::No);
    windows.dispatch([&] { m->KeyPress(m->Lesson[0], key); });
    EXPECT_EQ(p.messages.shown, QStringList{u"ホーム２\r\rLessonを行います。よろしいですか？"_qs});
    EXPECT_EQ(p.mk.CurrentLesson, 2);
    EXPECT_FALSE(windows.isLoaded(u"Marokey"_qs));
    m->Lesson[5].listIndex = 1;
    p.messages.answer(MessageAnswer::Yes);
    windows.dispatch([&] { m->DblClick(m->Lesson[5]); });
    EXPECT_EQ(p.mk.CurrentLesson, 6);
    EXPECT_TRUE(windows.isVisible(u"Marokey"_qs));
    windows.Hide(u"Menu"_qs);
    windows.Show(u"Menu"_qs);
    EXPECT_FALSE(windows.isLoaded(u"Marokey"_qs));
}

TEST_F(MenuWindow, PositionFiveHundredIsListedButCannotBeChosen) {
    p.mk.LessonKind.fill(2);
    p.mk.LastLessonIndex = 501;
    windows.Show(u"Menu"_qs);
    Menu* m = menu();
    EXPECT_EQ(m->Lesson[1].items.size(), 501);
    EXPECT_TRUE(m->Lesson[1].items.last().startsWith(u"501 : "_qs));
    m->Lesson[1].listIndex = 500;
    windows.dispatch([&] { m->DblClick(m->Lesson[1]); });
    EXPECT_TRUE(p.messages.shown.isEmpty());
}

TEST_F(MenuWindow, ExitAsksFirstAndMusicRestartsOnThe73rdReport) {
    windows.Show(u"Menu"_qs);
    p.messages.answer(MessageAnswer::No);
    windows.dispatch([&] { menu()->Command1_Click(); });
    EXPECT_EQ(p.messages.shown.last(), u"マロキーを終了します。\r\rよろしいですか？"_qs);
    EXPECT_FALSE(windows.isLoaded(u"Ending"_qs));
    for (int n = 1; n <= 72; ++n)
        windows.dispatch([&] { menu()->MMControl2_StatusUpdate(); });
    EXPECT_EQ(p.media.log.size(), 2); // the opening and the first play
    windows.dispatch([&] { menu()->MMControl2_StatusUpdate(); });
    EXPECT_EQ(p.media.log.mid(2), (QStringList{u"prev"_qs, u"play"_qs})); // rewound, not reloaded
    p.messages.answer(MessageAnswer::Yes);
    windows.dispatch([&] { menu()->Command1_Click(); });
    EXPECT_TRUE(windows.isVisible(u"Ending"_qs));
}

TEST_F(MenuWindow, TheRomajiChoiceStartsOffAndOutlivesTheMenuButNotTheProgram) {
    windows.Show(u"Menu"_qs);
    EXPECT_EQ(menu()->Romaji.value, 0);
    EXPECT_FALSE(p.mk.RomajiInput);
    menu()->Romaji.value = 1; // as the check box sets it before the click
    windows.dispatch([&] { menu()->Click(menu()->Romaji); });
    EXPECT_TRUE(p.mk.RomajiInput);
    windows.Unload(u"Menu"_qs);
    windows.Show(u"Menu"_qs);
    EXPECT_EQ(menu()->Romaji.value, 1);
}

// A whole visit with every real window, scripted answers and a fake clock:
// start-up, log-on as a new pupil, profile, menu, one lesson to its results,
// back to the menu, Exit, farewell, end.
#include "core/Main.h"
#include "engine/Marokey.h"
#include "logon/Credentials.h"
#include "logon/Ending.h"
#include "logon/HistoryFile.h"
#include "logon/LogOn.h"
#include "logon/Menu.h"
#include "logon/SetUp.h"
#include "logon/StartUp.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(Visit, FromStartUpToTheEndTheScoreReachesTheHistoryFile) {
    ProgramFolder folder;
    folder.fillWithMinimalProgram();
    folder.write(u"MKLesson/home.txt"_qs, "fj\r\n");
    QFile keys(QStringLiteral(MK_PROGRAM_DIR "/MKData/KEY_DEFINE.DAT"));
    ASSERT_TRUE(keys.open(QIODevice::ReadOnly));
    folder.write(u"MKData/KEY_DEFINE.DAT"_qs, keys.readAll());
    folder.write(u"MKData/Admin.MK"_qs, credentials::writeAdmin(credentials::kUnlocked));
    TestProgram p(folder.root());
    WindowRegistry& w = p.mk.windows;
    addWindows(w, {StartUp::kName, LogOn::kName, ::SetUp::kName, Menu::kName, Marokey::kName,
                   Ending::kName});
    const auto on = [&](auto* window, auto handler) { w.dispatch([&] { handler(window); }); };

    Main(p.mk);
    auto* start = w.get<StartUp>(u"StartUp"_qs);
    ASSERT_TRUE(start);
    EXPECT_FALSE(w.isVisible(u"LogOn"_qs));
    on(start, [](StartUp* s) { s->Timer1_Timer(); });
    auto* logOn = w.get<LogOn>(u"LogOn"_qs);
    ASSERT_TRUE(w.isVisible(u"LogOn"_qs));

    logOn->Text1.caption = u"hana"_qs;
    logOn->Text2.caption = u"pw"_qs;
    p.messages.answer(MessageAnswer::Yes); // データは正しいですか？
    on(logOn, [](LogOn* l) { l->OK_Click(); });
    auto* setUp = w.get<::SetUp>(u"SetUp"_qs);
    ASSERT_TRUE(setUp);
    std::tie(setUp->Text3.caption, setUp->Text4.caption, setUp->Text5.caption,
             setUp->Text6.caption) = std::tuple(u"4"_qs, u"1"_qs, u"9"_qs, u"花子"_qs);
    p.messages.answer(MessageAnswer::Yes); // the profile is right
    on(setUp, [](::SetUp* s) { s->Command1_Click(); });
    auto* menu = w.get<Menu>(u"Menu"_qs);
    ASSERT_TRUE(menu);
    EXPECT_TRUE(w.isVisible(u"Menu"_qs));

    menu->Lesson[0].listIndex = 0;
    p.messages.answer(MessageAnswer::Yes); // the lesson starts
    on(menu, [](Menu* m) { m->DblClick(m->Lesson[0]); });
    auto* lesson = w.get<Marokey>(u"Marokey"_qs);
    ASSERT_TRUE(lesson);
    EXPECT_FALSE(w.isVisible(u"Menu"_qs));
    const auto press = [&](int key) { on(lesson, [key](Marokey* l) { l->T_KeyPress(key); }); };
    press(13);
    p.clock.seconds += 6.0; // two characters of factor 1 in 6 s: count 200, score 25
    press('f');
    press('j');
    press(13);
    ASSERT_EQ(lesson->Phase, LessonWindow::Shown);
    EXPECT_EQ(lesson->Score, 25);
    on(lesson, [](Marokey* l) { l->T_KeyUp(27, 0); });
    EXPECT_TRUE(w.isVisible(u"Menu"_qs));
    EXPECT_FALSE(w.isLoaded(u"Marokey"_qs));

    p.messages.answer(MessageAnswer::Yes); // the program ends
    on(menu, [](Menu* m) { m->Command1_Click(); });
    auto* ending = w.get<Ending>(u"Ending"_qs);
    ASSERT_TRUE(ending);
    EXPECT_FALSE(w.isLoaded(u"Menu"_qs));
    for (int n = 0; n < 53 && !w.ended(); ++n)
        on(ending, [](Ending* e) { e->MMControl3_StatusUpdate(); });
    EXPECT_TRUE(w.ended());
    EXPECT_EQ(w.exitStatus(), 0);

    HistoryRecord expected{{}, u"花子"_qs, u"hana"_qs, u"pw"_qs, 4, 1, 9};
    expected.scores(0, 0) = 25;
    EXPECT_EQ(folder.read(u"MKData/hana.mkd"_qs), writeHistory(expected));
}

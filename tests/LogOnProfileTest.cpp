#include "support/LogOnFixture.h"

namespace {

// A new pupil in front of the profile window.
struct Profile : LogOnFixture {
    ::SetUp* w = nullptr;
    Profile() {
        click(&LogOn::OK, u"hanako"_qs, u"pw7"_qs);
        w = windows.get<::SetUp>(u"SetUp"_qs);
        p.messages.shown.clear();
    }
    void enter(const QString& year, const QString& classNo, const QString& number,
               const QString& name) {
        w->Text3.caption = year;
        w->Text4.caption = classNo;
        w->Text5.caption = number;
        w->Text6.caption = name;
        windows.dispatch([&] { w->Click(w->Command1); });
    }
};

} // namespace

TEST_F(Profile, ShowsTheLogOnEntriesAndTakesTheProfileOnYes) {
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Text1.caption + u'|' + w->Text2.caption, u"hanako|pw7"_qs);
    EXPECT_EQ(w->takeFocusRequest(), u"Text3"_qs);
    enter(u"3"_qs, u"2"_qs, u"15"_qs, u"山田 花子"_qs);
    EXPECT_EQ(p.messages.shown, QStringList{u"データは正しいですか？"_qs});
    EXPECT_EQ(QList<int>({p.mk.Grade, p.mk.ClassNo, p.mk.PupilNo}), QList<int>({3, 2, 15}));
    EXPECT_EQ(p.mk.UserName, u"山田 花子"_qs); // cut only when the file is read again
    EXPECT_TRUE(windows.isVisible(u"Menu"_qs));
}

TEST_F(Profile, NoEmptiesOnlyTheProfileBoxes) {
    p.messages.answer(MessageAnswer::No);
    enter(u"3"_qs, u"2"_qs, u"15"_qs, u"花子"_qs);
    EXPECT_EQ(w->Text3.caption + w->Text4.caption + w->Text5.caption + w->Text6.caption, u""_qs);
    EXPECT_EQ(w->Text1.caption + u'|' + w->Text2.caption, u"hanako|pw7"_qs);
    EXPECT_EQ(p.mk.Grade, 0);
    EXPECT_FALSE(windows.isVisible(u"Menu"_qs));
}

TEST_F(Profile, NumbersOutsideAByteAndNamesThatDoNotFitAreRefused) {
    const std::vector<std::array<QString, 4>> refused = {
        {u"256"_qs, u"2"_qs, u"15"_qs, u"花子"_qs},
        {u"3"_qs, u"-1"_qs, u"15"_qs, u"花子"_qs},
        {u"3"_qs, u"2"_qs, u""_qs, u"花子"_qs},
        {u"x"_qs, u"2"_qs, u"15"_qs, u"花子"_qs},
        {u"3"_qs, u"2.5"_qs, u"15"_qs, u"花子"_qs},
        {u"3"_qs, u"2"_qs, u"15"_qs, QString(16, u'花')},
        {u"3"_qs, u"2"_qs, u"15"_qs, u"😀"_qs},
    };
    for (const auto& [year, classNo, number, name] : refused) {
        SCOPED_TRACE((year + u'|' + classNo + u'|' + number + u'|' + name).toStdString());
        p.messages.shown.clear();
        enter(year, classNo, number, name);
        ASSERT_EQ(p.messages.shown.size(), 1); // a message, not the question
        EXPECT_NE(p.messages.shown[0], u"データは正しいですか？"_qs);
        EXPECT_EQ(p.mk.Grade + p.mk.ClassNo + p.mk.PupilNo, 0);
        EXPECT_FALSE(windows.isVisible(u"Menu"_qs));
        EXPECT_EQ(w->Text6.caption, name); // left to be corrected
    }
    // Digits typed with the input method on are full-width.
    enter(u"３"_qs, u"0"_qs, u"255"_qs, QString(15, u'花'));
    EXPECT_EQ(QList<int>({p.mk.Grade, p.mk.ClassNo, p.mk.PupilNo}), QList<int>({3, 0, 255}));
    EXPECT_TRUE(windows.isVisible(u"Menu"_qs));
}

TEST_F(Profile, EnterMovesTheFocusThroughEveryEntryWindow) {
    windows.Show(u"IDPASS"_qs);
    Window* idpass = windows.find(u"IDPASS"_qs);
    const std::vector<std::tuple<Window*, QString, QString>> moves = {
        {w, "Text3", "Text4"},      {w, "Text4", "Text5"},        {w, "Text5", "Text6"},
        {w, "Text6", "Command1"},   {logOn(), "Text1", "Text2"},  {logOn(), "Text2", "OK"},
        {idpass, "Text1", "Text2"}, {idpass, "Text2", "Command1"}};
    for (const auto& [window, from, to] : moves) {
        int enter = 13;
        window->KeyPress(*window->control(from), enter);
        EXPECT_EQ(window->takeFocusRequest(), to) << window->name().toStdString();
    }
}

TEST_F(LogOnFixture, OnlyNumLockClosesTheNumLockNotice) {
    windows.Show(u"Num_Lock"_qs);
    p.mk.NumLockShown = 1;
    Window* notice = windows.find(u"Num_Lock"_qs);
    for (int key : {13, 27, 65, 145})
        windows.dispatch([&] { notice->Form_KeyUp(key, 0); });
    EXPECT_TRUE(windows.isVisible(u"Num_Lock"_qs));
    EXPECT_EQ(p.mk.NumLockShown, 1);
    windows.dispatch([&] { notice->Form_KeyUp(144, 0); });
    EXPECT_FALSE(windows.isLoaded(u"Num_Lock"_qs));
    EXPECT_EQ(p.mk.NumLockShown, 0);
}

TEST_F(LogOnFixture, StartUpLoadsLogOnHiddenAndShowsItOnTheFirstTickOnly) {
    windows.Show(u"StartUp"_qs);
    auto* start = windows.get<StartUp>(u"StartUp"_qs);
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(windows.isLoaded(u"LogOn"_qs));
    EXPECT_FALSE(windows.isVisible(u"LogOn"_qs));
    EXPECT_TRUE(start->Timer1.enabled);
    EXPECT_EQ(start->Timer1.interval, 3000);
    const auto tick = [&] { windows.dispatch([&] { start->Timer(start->Timer1); }); };
    tick();
    EXPECT_TRUE(windows.isVisible(u"LogOn"_qs));
    windows.Unload(u"LogOn"_qs);
    tick();
    tick();
    EXPECT_FALSE(windows.isLoaded(u"LogOn"_qs));
}

TEST(StartUpWithoutLockFile, AMissingOrShortAdminFileEndsTheProgramBeforeLogOnShows) {
    for (const QByteArray& content : {QByteArray(), credentials::writeAdmin({}).first(59)}) {
        LogOnProgram run;
        if (content.isNull())
            run.folder.remove(u"MKData/Admin.MK"_qs);
        else
            run.folder.write(u"MKData/Admin.MK"_qs, content);
        run.windows.Show(u"StartUp"_qs);
        EXPECT_TRUE(run.windows.ended());
        EXPECT_NE(run.windows.exitStatus(), 0);
        EXPECT_EQ(run.p.messages.shown,
                  QStringList{u"Admin.MKが壊れています。\rＭＫを強制終了します。"_qs});
        EXPECT_FALSE(run.windows.isVisible(u"LogOn"_qs));
    }
}

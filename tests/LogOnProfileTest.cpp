#include "support/LogOnFixture.h"

// A new pupil in front of the profile window.
struct Profile : LogOnFixture {
    Profile() { logOnAs(u"hanako"_qs, u"pw7"_qs); }
    ::SetUp* w() { return windows.get<::SetUp>(u"SetUp"_qs); }
    // "year|class|number" as taken into the shared state.
    QString numbers() const {
        return u"%1|%2|%3"_qs.arg(p.mk.Grade).arg(p.mk.ClassNo).arg(p.mk.PupilNo);
    }
    // "year|class|number|name" in the profile boxes, then OK.
    void enter(const QString& profile) {
        for (int i = 0; i < 4; ++i)
            w()->control(u"Text%1"_qs.arg(i + 3))->caption = profile.section(u'|', i, i);
        windows.dispatch([&] { w()->Click(w()->Command1); });
    }
};

TEST_F(Profile, RefusesNumbersOutsideAByteAndNamesThatDoNotFitAndTakesTheRestOnYes) {
    // The log-on entries are carried over.
    EXPECT_EQ(w()->Text1.caption + u'|' + w()->Text2.caption, u"hanako|pw7"_qs);
    for (const QString& profile :
         {u"256|2|15|花子"_qs, u"3|-1|15|花子"_qs, u"3|2||花子"_qs, u"x|2|15|花子"_qs,
          u"3|2.5|15|花子"_qs, u"3|2|15|"_qs + QString(16, u'花'), u"3|2|15|😀"_qs}) {
        SCOPED_TRACE(profile.toStdString());
        p.messages.shown.clear();
        enter(profile);
        EXPECT_EQ(p.messages.shown.size(), 1); // a message, not the question
        EXPECT_EQ(numbers(), u"0|0|0"_qs);
        EXPECT_EQ(w()->Text6.caption, profile.section(u'|', 3)); // left to be corrected
    }
    p.messages.answer(MessageAnswer::Yes);
    enter(u"３|0|255|"_qs + QString(15, u'花')); // full-width digits count too
    EXPECT_EQ(p.messages.shown.last(), u"データは正しいですか？"_qs);
    EXPECT_EQ(numbers(), u"3|0|255"_qs);
    EXPECT_EQ(p.mk.UserName, QString(15, u'花'));
    EXPECT_TRUE(windows.isVisible(u"Menu"_qs));
}

TEST_F(Profile, EnterMovesTheFocusThroughEveryEntryWindow) {
    EXPECT_EQ(w()->takeFocusRequest(), u"Text3"_qs);
    windows.Show(u"IDPASS"_qs);
    Window* idpass = windows.find(u"IDPASS"_qs);
    const std::tuple<Window*, QString, QString> moves[] = {
        {w(), "Text3", "Text4"},    {w(), "Text4", "Text5"},      {w(), "Text5", "Text6"},
        {w(), "Text6", "Command1"}, {logOn(), "Text1", "Text2"},  {logOn(), "Text2", "OK"},
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
    for (int key : {13, 27, 65, 145, 144}) {
        windows.dispatch([&] { notice->Form_KeyUp(key, 0); });
        EXPECT_EQ(windows.isLoaded(u"Num_Lock"_qs), key != 144) << key;
    }
    EXPECT_EQ(p.mk.NumLockShown, 0);
}

TEST_F(LogOnFixture, StartUpLoadsLogOnHiddenAndShowsItOnTheFirstTickOnly) {
    windows.Show(u"StartUp"_qs);
    auto* start = windows.get<StartUp>(u"StartUp"_qs);
    EXPECT_TRUE(windows.isLoaded(u"LogOn"_qs));
    EXPECT_FALSE(windows.isVisible(u"LogOn"_qs));
    EXPECT_TRUE(start->Timer1.enabled);
    EXPECT_EQ(start->Timer1.interval, 3000);
    windows.dispatch([&] { start->Timer(start->Timer1); });
    EXPECT_TRUE(windows.isVisible(u"LogOn"_qs));
    windows.Unload(u"LogOn"_qs);
    windows.dispatch([&] { start->Timer(start->Timer1); });
    EXPECT_FALSE(windows.isLoaded(u"LogOn"_qs));
}

TEST_F(LogOnFixture, AMissingOrShortAdminFileEndsTheProgramBeforeLogOnShows) {
    folder.write(u"MKData/Admin.MK"_qs, credentials::writeAdmin({}).first(59));
    EXPECT_FALSE(credentials::readAdminFile(folder.data() + u"Admin.MK"_qs));
    folder.remove(u"MKData/Admin.MK"_qs);
    windows.Show(u"StartUp"_qs);
    EXPECT_TRUE(windows.ended());
    EXPECT_NE(windows.exitStatus(), 0);
    EXPECT_EQ(p.messages.shown,
              QStringList{u"Admin.MKが壊れています。\rＭＫを強制終了します。"_qs});
    EXPECT_FALSE(windows.isVisible(u"LogOn"_qs));
}

#include "core/TextField.h"
#include "support/LogOnFixture.h"

namespace {

const credentials::AdminPair kTeacher{u"sensei"_qs, u"himitsu"_qs};

struct AdminLock : LogOnFixture {
    // True for the locked layout; checks that the layout is one of the two.
    bool locked() {
        const LogOn& w = *logOn();
        const bool tools = w.FS.visible && w.S1.visible && w.L1.visible;
        EXPECT_EQ(tools, w.FS.visible || w.S1.visible || w.L1.visible);
        EXPECT_NE(tools, w.LSUnLock.visible);
        EXPECT_TRUE(w.LSLock.visible); // under LSUnLock while locked
        EXPECT_EQ(w.geometry.height, w.LSUnLock.visible ? 3255 : 4695);
        return w.LSUnLock.visible;
    }
    // Lock: the pair in the log-on boxes, then the confirmation answered with `again`.
    void lock(const credentials::AdminPair& pair, const credentials::AdminPair& again) {
        click(&LogOn::LSLock, pair.id, pair.password);
        auto* c = windows.get<IDPASS>(u"IDPASS"_qs);
        ASSERT_TRUE(c && windows.isVisible(u"IDPASS"_qs));
        c->Text1.caption = again.id;
        c->Text2.caption = again.password;
        windows.dispatch([&] { c->Click(c->Command1); });
    }
};

} // namespace

TEST_F(AdminLock, TheLockFileAloneDecidesTheLayout) {
    EXPECT_FALSE(locked());
    windows.Unload(u"LogOn"_qs);
    setAdmin({u"quorvenda"_qs, u"gatewardenKey"_qs});
    EXPECT_TRUE(locked());
    EXPECT_TRUE(p.messages.shown.isEmpty());
}

TEST_F(AdminLock, BothButtonsFirstAskForEmptyBoxes) {
    const std::vector<std::tuple<QString, QString, QString>> cases = {
        {u""_qs, u""_qs, u"ユーザＩＤとパスワードが入力されていません"_qs},
        {u""_qs, u"x"_qs, u"ユーザＩＤが入力されていません"_qs},
        {u"x"_qs, u""_qs, u"パスワードが入力されていません"_qs},
    };
    for (Control LogOn::*button : {&LogOn::LSLock, &LogOn::LSUnLock})
        for (const auto& [id, password, message] : cases) {
            click(button, id, password);
            EXPECT_EQ(p.messages.shown.last(), message);
        }
    EXPECT_EQ(p.messages.shown.size(), 6);
    EXPECT_FALSE(windows.isLoaded(u"IDPASS"_qs));
    EXPECT_FALSE(locked());
}

TEST_F(AdminLock, ALockNeedsTheSamePairTwiceAndReloadsTheLogOnWindow) {
    const QByteArray unlocked = adminFile();
    lock(kTeacher, {u"sensei"_qs, u"himitsU"_qs});
    EXPECT_EQ(p.messages.shown.last(), u"パスワードが間違っています！"_qs);
    EXPECT_FALSE(windows.isLoaded(u"IDPASS"_qs));
    EXPECT_EQ(adminFile(), unlocked);
    click(&LogOn::LSLock, kTeacher.id, kTeacher.password);
    auto* c = windows.get<IDPASS>(u"IDPASS"_qs);
    windows.dispatch([&] { c->Click(c->Command2); }); // Cancel
    EXPECT_FALSE(windows.isLoaded(u"IDPASS"_qs));
    EXPECT_EQ(adminFile(), unlocked);

    p.messages.shown.clear();
    lock(kTeacher, kTeacher);
    EXPECT_EQ(adminFile(), textfield::pack(u"sensei"_qs) + textfield::pack(u"himitsu"_qs));
    EXPECT_TRUE(p.messages.shown.isEmpty());
    EXPECT_FALSE(windows.isLoaded(u"IDPASS"_qs));
    EXPECT_TRUE(windows.isVisible(u"LogOn"_qs));
    EXPECT_TRUE(locked());
    EXPECT_EQ(logOn()->Text1.caption + logOn()->Text2.caption, QString()); // a fresh window
}

TEST_F(AdminLock, UnlockComparesWithThePairReadAtLoadAndRestoresTheDefault) {
    setAdmin(kTeacher);
    ASSERT_TRUE(locked());
    setAdmin({u"later"_qs, u"change"_qs}); // not read again until the next load
    const std::vector<std::tuple<QString, QString, QString>> wrong = {
        {u"sensei"_qs, u"x"_qs, u"パスワードが間違っています！"_qs},
        {u"Sensei"_qs, u"himitsu"_qs, u"ユーザＩＤが間違っています！"_qs},
        {u"later"_qs, u"change"_qs, u"ユーザＩＤとパスワードが間違っています！"_qs},
    };
    for (const auto& [id, password, message] : wrong) {
        click(&LogOn::LSUnLock, id, password);
        EXPECT_EQ(p.messages.shown.last(), message);
        EXPECT_TRUE(locked());
    }
    click(&LogOn::LSUnLock, kTeacher.id, kTeacher.password);
    EXPECT_EQ(p.messages.shown.last(), u"ファイリング処理を利用可能です！"_qs);
    EXPECT_FALSE(locked());
    EXPECT_EQ(logOn()->Text1.caption, kTeacher.id); // the boxes keep their text
    EXPECT_EQ(adminFile(), textfield::pack(u"quorvenda"_qs) + textfield::pack(u"gatewardenkey"_qs));
}

TEST_F(AdminLock, AnIdWithASpaceIsStoredWholeAndUnlocksWithItsFirstPart) {
    lock({u"ab cd"_qs, u"pw"_qs}, {u"ab cd"_qs, u"pw"_qs});
    EXPECT_EQ(adminFile(), textfield::pack(u"ab cd"_qs) + textfield::pack(u"pw"_qs));
    click(&LogOn::LSUnLock, u"ab cd"_qs, u"pw"_qs);
    EXPECT_EQ(p.messages.shown.last(), u"ユーザＩＤが間違っています！"_qs);
    click(&LogOn::LSUnLock, u"ab"_qs, u"pw"_qs);
    EXPECT_FALSE(locked());
}

TEST_F(AdminLock, AnAdminValueThatCannotBeStoredWholeNeverReachesTheConfirmation) {
    for (const auto& [id, password] :
         std::vector<std::pair<QString, QString>>{{QString(31, u'a'), u"pw"_qs},
                                                  {u"sensei"_qs, QString(16, u'秘')},
                                                  {u"😀"_qs, u"pw"_qs}})
        click(&LogOn::LSLock, id, password);
    EXPECT_EQ(p.messages.shown.size(), 3);
    EXPECT_FALSE(windows.isLoaded(u"IDPASS"_qs));
    EXPECT_EQ(adminFile(), credentials::writeAdmin(credentials::kUnlocked));
}

TEST_F(AdminLock, ALockIsNeverStoredWithAValueThatReadsBackEmpty) {
    // Nothing comes before a leading space, and the unlock refuses an empty
    // box: such a lock could never be opened again.
    for (const credentials::AdminPair& pair : {credentials::AdminPair{u" sensei"_qs, u"pw"_qs},
                                               credentials::AdminPair{u"sensei"_qs, u"  "_qs}}) {
        setAdmin(credentials::kUnlocked);
        windows.Unload(u"LogOn"_qs);
        click(&LogOn::LSLock, pair.id, pair.password);
        if (windows.isLoaded(u"IDPASS"_qs)) lock(pair, pair);
        const auto stored = credentials::readAdminFile(folder.data() + u"Admin.MK"_qs);
        ASSERT_TRUE(stored);
        EXPECT_FALSE(stored.value().id.isEmpty() || stored.value().password.isEmpty())
            << "locked for good by \"" << pair.id.toStdString() << "\" / \""
            << pair.password.toStdString() << '"';
    }
}

#include "core/TextField.h"
#include "support/LogOnFixture.h"

#include <QFile>

struct AdminLock : LogOnFixture {
    // True for the locked layout, after checking that the layout is one of the two.
    bool locked() {
        const LogOn& w = *logOn();
        const bool tools = !w.LSUnLock.visible;
        EXPECT_EQ(QList<bool>({w.FS.visible, w.S1.visible, w.L1.visible}), QList<bool>(3, tools));
        EXPECT_EQ(w.geometry.height, tools ? 4695 : 3255);
        return !tools;
    }
};

TEST_F(AdminLock, BothButtonsAskForEmptyBoxesAndLockRefusesValuesThatWouldNotReadBackWhole) {
    const std::tuple<QString, QString, QString> empty[] = {
        {u""_qs, u""_qs, u"ユーザＩＤとパスワードが入力されていません"_qs},
        {u""_qs, u"x"_qs, u"ユーザＩＤが入力されていません"_qs},
        {u"x"_qs, u""_qs, u"パスワードが入力されていません"_qs}};
    for (Control LogOn::*button : {&LogOn::LSLock, &LogOn::LSUnLock})
        for (const auto& [id, password, message] : empty) {
            click(button, id, password);
            EXPECT_EQ(p.messages.shown.last(), message);
        }
    // Too long, outside the code page, or after a leading blank that reads back as nothing.
    const std::pair<QString, QString> refused[] = {{QString(31, u'a'), u"pw"_qs},
                                                   {u"sensei"_qs, QString(16, u'秘')},
                                                   {u"😀"_qs, u"pw"_qs},
                                                   {u" sensei"_qs, u"pw"_qs},
                                                   {u"sensei"_qs, u"  "_qs}};
    for (const auto& [id, password] : refused)
        click(&LogOn::LSLock, id, password);
    EXPECT_EQ(p.messages.shown.size(), 11);
    EXPECT_FALSE(windows.isLoaded(u"IDPASS"_qs));
    EXPECT_FALSE(locked());
}

TEST_F(AdminLock, ALockNeedsTheSamePairTwiceAndReloadsTheLogOnWindowLocked) {
    const QByteArray unlocked = adminFile();
    for (const QString& again : {u"himitsU"_qs, u"himitsu"_qs}) {
        click(&LogOn::LSLock, u"sensei"_qs, u"himitsu"_qs);
        auto* c = windows.get<IDPASS>(u"IDPASS"_qs);
        ASSERT_TRUE(c);
        EXPECT_TRUE(windows.isVisible(u"IDPASS"_qs));
        c->Text1.caption = u"sensei"_qs;
        c->Text2.caption = again;
        windows.dispatch([&] { c->Click(c->Command1); });
        EXPECT_FALSE(windows.isLoaded(u"IDPASS"_qs));
        EXPECT_EQ(adminFile() == unlocked, again == u"himitsU"); // unchanged by a mismatch
    }
    EXPECT_EQ(p.messages.shown, QStringList{u"パスワードが間違っています！"_qs});
    EXPECT_EQ(adminFile(), textfield::pack(u"sensei"_qs) + textfield::pack(u"himitsu"_qs));
    EXPECT_TRUE(windows.isVisible(u"LogOn"_qs));
    EXPECT_TRUE(locked());
    EXPECT_EQ(logOn()->Text1.caption + logOn()->Text2.caption, QString()); // a fresh window
}

TEST_F(AdminLock, UnlockComparesWithThePairReadAtLoadAndRestoresTheDefault) {
    setAdmin({u"sensei"_qs, u"himitsu"_qs});
    ASSERT_TRUE(locked());
    setAdmin({u"later"_qs, u"change"_qs}); // not read again until the next load
    const std::tuple<QString, QString, QString> wrong[] = {
        {u"sensei"_qs, u"x"_qs, u"パスワードが間違っています！"_qs},
        {u"Sensei"_qs, u"himitsu"_qs, u"ユーザＩＤが間違っています！"_qs},
        {u"later"_qs, u"change"_qs, u"ユーザＩＤとパスワードが間違っています！"_qs}};
    for (const auto& [id, password, message] : wrong) {
        click(&LogOn::LSUnLock, id, password);
        EXPECT_EQ(p.messages.shown.last(), message);
    }
    EXPECT_TRUE(locked());
    click(&LogOn::LSUnLock, u"sensei"_qs, u"himitsu"_qs);
    EXPECT_EQ(p.messages.shown.last(), u"ファイリング処理を利用可能です！"_qs);
    EXPECT_FALSE(locked());
    EXPECT_EQ(adminFile(), textfield::pack(u"quorvenda"_qs) + textfield::pack(u"gatewardenkey"_qs));
}

TEST_F(AdminLock, ALockFileLinkedOutOfTheDataFolderIsNeverWrittenThrough) {
    const credentials::AdminPair sensei{u"sensei"_qs, u"pw"_qs};
    folder.write(u"outside/Admin.MK"_qs, credentials::writeAdmin(sensei));
    folder.remove(u"MKData/Admin.MK"_qs);
    ASSERT_TRUE(
        QFile::link(folder.root() + u"outside/Admin.MK"_qs, folder.data() + u"Admin.MK"_qs));
    ASSERT_TRUE(locked());
    click(&LogOn::LSUnLock, u"sensei"_qs, u"pw"_qs);
    EXPECT_EQ(p.messages.shown.last(),
              u"Admin.MKに書き込めませんでした。\rLockはそのままです。"_qs);
    EXPECT_TRUE(locked());
    EXPECT_EQ(folder.read(u"outside/Admin.MK"_qs), credentials::writeAdmin(sensei));
}

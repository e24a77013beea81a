#pragma once

#include "core/Window.h"
#include "logon/Credentials.h"

// Where a pupil logs on, and where the teacher's tools and their lock live.
class LogOn final : public Window {
public:
    static constexpr int kUnlockedHeight = 4695;
    static constexpr int kLockedHeight = 3255;

    static constexpr QStringView kName = u"LogOn";

    explicit LogOn(MkMain& mk);

    Control Label3, Label1, Text1, Label2, Text2, OK, Cancel;
    Control EndMK, LSLock, LSUnLock, L1, S1, FS;

    // The admin pair as read when the window loaded; unlocking compares with it.
    credentials::AdminPair admin;

    void Form_Load() override;
    void Click(Control& c) override;
    void KeyPress(Control& c, int& keyAscii) override;

    bool ReadAdminFile();
    void OK_Click();
    void Cancel_Click();
    void EndMK_Click();
    void LSLock_Click();
    void LSUnLock_Click();

private:
    void layOut(bool locked);
    bool entryCheck();
    void networkFailure();
    bool refused(const std::optional<QString>& problem);
    void welcome();
};

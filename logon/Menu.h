#pragma once

#include "core/LessonKind.h"
#include "core/Window.h"
#include "logon/MusicControl.h"

#include <array>

// The pupil's home between lessons: six tabs of lessons, the window size
// choice, the English word editor and the way out.
class Menu final : public Window {
public:
    static constexpr int kTabs = lesson::kTabs;
    static constexpr int kListed = 501; // lines a tab lists

    static constexpr QStringView kName = u"Menu";

    explicit Menu(MkMain& mk);

    Control SSTab1, Label6, Label1, Option1, Option2, Romaji, Command2, Command1;
    std::array<Control, kTabs> Lesson;
    MusicControl MMControl2;

    std::array<qint16, 11> CategoryCount{};
    std::array<std::array<qint16, kListed>, 11> MenuMap{};
    quint8 MusicTicks = 0;

    void Form_Load() override;
    void Form_Activate() override { unloadLessonWindow(); }
    void Form_Unload() override { MMControl2.close(); }
    void Click(Control& c) override;
    void DblClick(Control& c) override;
    void KeyPress(Control& c, int& keyAscii) override;

    void ConfirmLesson(int index);
    void Command1_Click();
    void MMControl2_StatusUpdate() { MMControl2.countAndLoop(MusicTicks, 72); }

private:
    QString lessonWindow() const;
    void unloadLessonWindow();
    void showTab(int tab);
};

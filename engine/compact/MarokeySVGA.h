#pragma once

#include "engine/LessonWindow.h"

// The compact lesson window, laid out for an 800 x 600 screen. It has no
// results panel: a finished run reports in a message and leaves at once.
class MarokeySVGA final : public LessonWindow {
public:
    static constexpr QStringView kName = u"MarokeySVGA";

    explicit MarokeySVGA(MkMain& mk);

    Control TK_Back;
    std::vector<Control> headings;

    void SetTenKeyLayout() override;
    void ShowResults() override;

protected:
    Twips lineInputGeometry() const override { return {600, 1920, 10815, 795}; }
    // Below the keyboard, left of the hands.
    Twips keyInputGeometry() const override { return {600, 6480, 945, 465}; }
    bool hasMockLayout() const override { return false; }
    void afterResults() override;
    void milestone(int reached) override;

private:
    void layOut();
    void layOutCounters();
    void addHeading(Control& of, const char16_t* caption, Twips at);
    void recaption();
};

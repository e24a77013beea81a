#pragma once

#include "engine/LessonWindow.h"

// The large lesson window, laid out for a 1024 x 768 screen, with the results
// panel and the pupil's identity.
class Marokey final : public LessonWindow {
public:
    static constexpr QStringView kName = u"Marokey";

    explicit Marokey(MkMain& mk);

    Control P;
    Control LSIMEI, LNEN, LKUMI, LBAN;
    Control Credit;
    Control Command1;    // Print
    Control WebBrowser1; // the pupil's progress in this lesson
    std::vector<Control> headings;

    void Click(Control& c) override;
    void Command1_Click();
    void SetTenKeyLayout() override;
    void ShowResults() override;

protected:
    void showPupil() override;
    void hideResultsPanel() override;
    Twips lineInputGeometry() const override { return {720, 4080, 13935, 795}; }
    Twips keyInputGeometry() const override { return {720, 9240, 945, 465}; }
    bool hasMockLayout() const override { return true; }
    void milestone(int reached) override;

private:
    void layOut();
    void showProgress();
    void addHeading(const QString& caption, const Control& of, int width = 1200);
};

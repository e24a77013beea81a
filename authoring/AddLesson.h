#pragma once

#include "core/Window.h"

#include <array>

// Where a teacher puts a lesson of their own together, step by step: menu
// tab, title, difficulty, then either the order and the text, or for a
// question lesson the answers and the questions.
class AddLesson final : public Window {
public:
    static constexpr QStringView kName = u"AddLesson";

    // Steps, in the order a question lesson skips the order step.
    enum Step : qint16 {
        kTab = 1,
        kTitle = 2,
        kDifficulty = 3,
        kQuestionText = 4,
        kOrder = 5,
        kText = 6
    };
    static constexpr int kQuestionTab = 4; // list index of 問題編 in TB
    static constexpr int kFullWidth = 11535;
    static constexpr int kNarrowWidth = 2775;

    explicit AddLesson(MkMain& mk);

    Control Label1, TBL, TB, TBL2, TitleL, Title, TitleL2, NDL, ND, NDL2, SZL, SZ, SZL2, Mes, LL, L,
        KL, K, BB, NB, Add, Command1;

    qint16 step = kTab;
    std::array<QString, 7> help;

    void Form_Load() override;
    void Click(Control& c) override;
    void Change(Control& c) override;
    void NB_Click();
    void BB_Click();
    void Add_Click();
    void Command1_Click();
    void TB_Change();

private:
    void goTo(qint16 next, Control& focus);
    void nextFromTab();
    void nextFromTitle();
    void nextFromDifficulty();
    void nextFromOrder();
    bool titleRefused();
    void setTextWidth(int width);
};

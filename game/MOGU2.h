#pragma once

#include "core/Window.h"
#include "game/MoleSound.h"

// The mole game: targets pop up on a field for 100 seconds and the pupil
// clicks them. Nothing is stored.
class MOGU2 final : public Window {
public:
    static constexpr QStringView kName = u"MOGU2";

    // Room kept free at the right and bottom edges, per target size.
    static constexpr int kSmallMargin = 1335; // C, D
    static constexpr int kLargeMargin = 1455; // C1, C2, G

    explicit MOGU2(MkMain& mk);

    Control C, C1, C2, G, D;
    Control Label1, Label2, Label3, Label5, Label6, Label4;
    Control Timer1, Timer2, Timer3, Timer4, Timer5, Timer6;

    qint16 MoleScore = 0;
    qint32 SecondsLeft = 100;
    qint16 MoleTicks = 0;

    void Form_Load() override;
    void Form_Unload() override;
    void Click(Control& c) override;
    void Form_Click() override;
    void Timer(Control& t) override;

private:
    void place(Control& target, int margin);
    void speedUp(Control& timer);
    void tickMoleC();
    void tickBonus();
    void tickCountdown();
    void hitMole(Control& mole);
    void addScore(int points, MoleSound& sound);
    void gameOver();

    MoleSound hit_, boo_, tada_;
};

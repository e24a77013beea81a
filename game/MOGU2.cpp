#include "game/MOGU2.h"

#include "core/MkMain.h"
#include "game/GameReturn.h"
#include "game/MoleTitles.h"

namespace {

Control picture(const QString& name, const QString& drawing, const QString& heard, int size) {
    Control c = makeControl(ControlKind::Picture, name, {}, {0, 0, size, size});
    c.picture = drawing;
    c.accessibleName = heard;
    c.visible = false;
    return c;
}

Control timer(const QString& name, int interval) {
    Control c = makeControl(ControlKind::Timer, name);
    c.interval = interval;
    return c;
}

Control value(const QString& name, const QString& heading, Twips at) {
    Control c = makeLabel(name, {}, at, 14);
    c.accessibleName = heading;
    c.bold = true;
    c.alignment = Alignment::Right;
    return c;
}

} // namespace

MOGU2::MOGU2(MkMain& mk)
    : Window(mk, kName.toString()),
      C(picture(QStringLiteral("C"), QStringLiteral("mole"), QStringLiteral("もぐら"), 1215)),
      C1(picture(QStringLiteral("C1"), QStringLiteral("mole"), QStringLiteral("もぐら"), 1335)),
      C2(picture(QStringLiteral("C2"), QStringLiteral("mole"), QStringLiteral("もぐら"), 1335)),
      G(picture(QStringLiteral("G"), QStringLiteral("goldmole"), QStringLiteral("金のもぐら"),
                1335)),
      D(picture(QStringLiteral("D"), QStringLiteral("decoy"), QStringLiteral("にせもぐら"), 1215)),
      Label1(makeLabel(QStringLiteral("Label1"), QStringLiteral("残りの時間"),
                       {240, 120, 1440, 360}, 12)),
      Label2(value(QStringLiteral("Label2"), QStringLiteral("残りの時間"), {1680, 120, 840, 360})),
      Label3(
          makeLabel(QStringLiteral("Label3"), QStringLiteral("得点"), {3000, 120, 720, 360}, 12)),
      Label5(value(QStringLiteral("Label5"), QStringLiteral("得点"), {3720, 120, 840, 360})),
      Label6(makeLabel(QStringLiteral("Label6"), QStringLiteral("もぐらの速さ"),
                       {5040, 120, 1680, 360}, 12)),
      Label4(
          value(QStringLiteral("Label4"), QStringLiteral("もぐらの速さ"), {6720, 120, 960, 360})),
      Timer1(timer(QStringLiteral("Timer1"), 3000)), Timer2(timer(QStringLiteral("Timer2"), 0)),
      Timer3(timer(QStringLiteral("Timer3"), 1000)), Timer4(timer(QStringLiteral("Timer4"), 3600)),
      Timer5(timer(QStringLiteral("Timer5"), 1000)), Timer6(timer(QStringLiteral("Timer6"), 4000)),
      hit_(mk, QStringLiteral("hit.wav")), boo_(mk, QStringLiteral("boo.wav")),
      tada_(mk, QStringLiteral("tada.wav")) {
    caption = QStringLiteral("もぐらたたきゲーム");
    geometry = {0, 0, 10800, 8100};
    backPicture = QStringLiteral("grass");
    C.visible = true;
    for (Control* c : {&Label1, &Label2, &Label3, &Label5, &Label6, &Label4, &C, &C1, &C2, &G, &D,
                       &Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6})
        add(*c);
}

void MOGU2::Form_Load() {
    C.visible = false;
    SecondsLeft = 100;
    MoleTicks = 0;
    MoleScore = 0;
    Label2.caption = QString::number(SecondsLeft);
    Label5.caption = QString::number(MoleScore);
    Label4.caption = QString::number(Timer1.interval);
    mk.ports.random.restartFromClock();
    for (MoleSound* s : {&hit_, &boo_, &tada_})
        s->open();
}

void MOGU2::Form_Unload() {
    for (MoleSound* s : {&hit_, &boo_, &tada_})
        s->close();
    returnFromGame(mk);
}

void MOGU2::place(Control& target, int margin) {
    target.visible = false;
    RandomSource& random = mk.ports.random;
    target.geometry.left = mole::roundHalfEven(random.next() * (geometry.width - margin));
    target.geometry.top = mole::roundHalfEven(random.next() * (geometry.height - margin));
    target.visible = true;
}

void MOGU2::speedUp(Control& timer) {
    timer.interval = mole::roundHalfEven(timer.interval * 0.975);
}

void MOGU2::Timer(Control& t) {
    if (&t == &Timer1) return tickMoleC();
    if (&t == &Timer2) return place(D, kSmallMargin);
    if (&t == &Timer3) return tickCountdown();
    if (&t == &Timer5) return tickBonus();
    if (&t != &Timer4 && &t != &Timer6) return;
    place(&t == &Timer4 ? C1 : C2, kLargeMargin);
    speedUp(t);
}

void MOGU2::tickMoleC() {
    place(C, kSmallMargin);
    Label4.caption = QString::number(Timer1.interval);
    if (MoleTicks > 0) {
        speedUp(Timer1);
        if (Timer1.interval < 300) Timer1.enabled = false;
    }
    ++MoleTicks;
}

void MOGU2::tickBonus() {
    G.visible = false;
    if (static_cast<int>(mk.ports.random.next() * 15) == 1) place(G, kLargeMargin);
}

void MOGU2::tickCountdown() {
    Label2.caption = QString::number(SecondsLeft);
    if (SecondsLeft == 0) return gameOver();
    --SecondsLeft;
}

void MOGU2::Click(Control& c) {
    if (&c == &C || &c == &C1 || &c == &C2) return hitMole(c);
    if (&c == &G) {
        G.visible = false;
        return addScore(7, hit_);
    }
    if (&c == &D) {
        D.visible = false;
        Timer2.interval = 0;
        addScore(-5, boo_);
    }
}

void MOGU2::Form_Click() {
    addScore(-1, boo_);
}

void MOGU2::hitMole(Control& mole) {
    mole.visible = false;
    addScore(1, hit_);
    if (mole::roundHalfEven(mk.ports.random.next() * 6) == 1) Timer2.interval = Timer1.interval;
}

void MOGU2::addScore(int points, MoleSound& sound) {
    MoleScore = static_cast<qint16>(MoleScore + points);
    Label5.caption = QString::number(MoleScore);
    sound.play();
}

void MOGU2::gameOver() {
    // No target may move while the results are up.
    for (Control* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6})
        t->enabled = false;
    tada_.play();
    mk.ShowMessageText(QStringLiteral("結果発表"));
    mk.ShowMessageText(QStringLiteral("得点　：　") + QString::number(MoleScore) +
                       QStringLiteral("\r\r") + mole::titleFor(MoleScore));
    mk.windows.Unload(name());
}

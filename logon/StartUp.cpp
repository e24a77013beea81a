#include "logon/StartUp.h"

#include "core/MkMain.h"

namespace {

Control label(const QString& name, const QString& text, Twips at, double size) {
    Control c = makeLabel(name, text, at, size);
    c.transparent = true;
    return c;
}

} // namespace

StartUp::StartUp(MkMain& mk)
    : Window(mk, kName.toString()),
      Title(label(QStringLiteral("Title"), QStringLiteral("Marokey"), {600, 900, 6000, 1200}, 40)),
      Subtitle(label(QStringLiteral("Subtitle"), QStringLiteral("タッチタイピング練習ソフト"),
                     {600, 2160, 6000, 480}, 14)),
      Version(label(QStringLiteral("Version"), QStringLiteral("2.1"), {5400, 2760, 1200, 360}, 12)),
      ProducedBy(label(QStringLiteral("ProducedBy"), QStringLiteral("Produced by"),
                       {600, 3600, 6000, 300}, 9)),
      Producer(label(QStringLiteral("Producer"), QStringLiteral("Marokey 開発チーム"),
                     {600, 3900, 6000, 360}, 11)),
      MMControl1(mk, QStringLiteral("MK_Start.mid"), [this] { MMControl1_StatusUpdate(); }) {
    caption = QStringLiteral("Marokey");
    geometry = {0, 0, 7200, 4920};
    backColor = 0xFFF8F0; // a light sky blue

    Title.bold = true;
    Title.alignment = Alignment::Center;
    Title.foreColor = 0x8B4513; // a deep blue
    Subtitle.alignment = Alignment::Center;
    Version.alignment = Alignment::Right;
    ProducedBy.alignment = Alignment::Center;
    Producer.alignment = Alignment::Center;

    Timer1.kind = ControlKind::Timer;
    Timer1.name = QStringLiteral("Timer1");

    for (Control* c : {&Title, &Subtitle, &Version, &ProducedBy, &Producer, &Timer1})
        add(*c);
}

void StartUp::Form_Load() {
    TimerShown = 0;
    MusicTicks = 0;
    Timer1.interval = 3000;
    Timer1.enabled = true;
    // The log-on window loads hidden now; a missing lock file ends the program here.
    if (!mk.windows.Load(QStringLiteral("LogOn"))) return;
    MMControl1.start();
}

void StartUp::Timer(Control& c) {
    if (&c == &Timer1) Timer1_Timer();
}

void StartUp::Timer1_Timer() {
    if (TimerShown == 0) mk.windows.Show(QStringLiteral("LogOn"));
    TimerShown = 1;
}

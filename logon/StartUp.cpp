#include "logon/StartUp.h"

namespace {

Control label(const QString& name, const QString& text, Twips at, double size) {
    Control c;
    c.kind = ControlKind::Label;
    c.name = name;
    c.caption = text;
    c.accessibleName = text;
    c.geometry = at;
    c.fontSize = size;
    c.transparent = true;
    return c;
}

} // namespace

StartUp::StartUp(MkMain& mk)
    : Window(mk, QStringLiteral("StartUp")),
      Title(label(QStringLiteral("Title"), QStringLiteral("Marokey"), {600, 900, 6000, 1200}, 40)),
      Subtitle(label(QStringLiteral("Subtitle"), QStringLiteral("タッチタイピング練習ソフト"),
                     {600, 2160, 6000, 480}, 14)),
      Version(label(QStringLiteral("Version"), QStringLiteral("2.1"), {5400, 2760, 1200, 360}, 12)),
      ProducedBy(label(QStringLiteral("ProducedBy"), QStringLiteral("Produced by"),
                       {600, 3600, 6000, 300}, 9)),
      Producer(label(QStringLiteral("Producer"), QStringLiteral("Marokey 開発チーム"),
                     {600, 3900, 6000, 360}, 11)) {
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
    Timer1.enabled = false;

    for (Control* c : {&Title, &Subtitle, &Version, &ProducedBy, &Producer, &Timer1})
        add(*c);
}

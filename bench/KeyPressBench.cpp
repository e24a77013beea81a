// The cost of one key press in a keypad run: the engine's handler and the
// window layer catching up with the changed controls.
#include "app/WindowTable.h"
#include "core/MkMain.h"
#include "engine/Marokey.h"
#include "media/SilentMedia.h"
#include "ui/FormView.h"
#include "ui/QtMessagePort.h"
#include "ui/QtPrinter.h"
#include "ui/WindowHost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class SilentMessages final : public MessagePort {
public:
    MessageAnswer show(const QString&, MessageButtons) override { return MessageAnswer::Ok; }
};

class StillClock final : public Clock {
public:
    QTime wallTime() const override { return QTime(10, 0); }
    double monotonicSeconds() const override { return seconds += 0.1; }
    mutable double seconds = 0;
};

class FixedRandom final : public RandomSource {
public:
    void restartFromClock() override {}
    double next() override { return 0.5; }
};

class NoBeep final : public BeepPort {
public:
    void beep() override {}
};

void KeyPressAndRedraw(benchmark::State& state) {
    QTemporaryDir dir;
    const QString lessons = dir.path() + QStringLiteral("/");
    QFile lesson(lessons + QStringLiteral("keys.txt"));
    if (!lesson.open(QIODevice::WriteOnly)) return state.SkipWithError("no lesson file");
    lesson.write("1234567890\r\n");
    lesson.close();

    SilentMessages messages;
    StillClock clock;
    FixedRandom random;
    NoBeep beep;
    SilentMediaFactory media;
    QtPrinter printer(dir.filePath(QStringLiteral("print.pdf")));
    UnattendedCopy copies;
    MkMain mk(Ports{messages, clock, random, beep, media, printer, copies}, lessons);
    mk.DefaultLessonFolder = lessons;
    mk.LessonTitle[0] = QStringLiteral("テンキー");
    mk.LessonFile[0] = QStringLiteral("keys.txt");
    mk.LessonKind[0] = 4;
    mk.LessonFactor[0] = 2.0f;
    windowtable::add(mk.windows, Marokey::kName);
    WindowHost host(mk.windows);
    mk.windows.Show(QStringLiteral("Marokey"));
    auto* w = mk.windows.get<Marokey>(QStringLiteral("Marokey"));
    mk.windows.dispatch([&] { w->T_KeyPress(13); });

    int next = 0;
    for (auto _ : state) {
        // Alternate a right key and a wrong one so the line never ends.
        const int key = next % 2 == 0 ? '1' : '9';
        mk.windows.dispatch([&] { w->T_KeyPress(key); });
        if (next % 2 == 0) {
            w->CharPos = 1;
            w->TypedText.clear();
        }
        ++next;
    }
}
BENCHMARK(KeyPressAndRedraw)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

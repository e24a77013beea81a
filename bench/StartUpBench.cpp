// The start-up work before the first window: folders, a full catalogue of 1001
// records, the key tables and the marker check.
#include "core/Catalogue.h"
#include "core/Folders.h"
#include "core/KeyTables.h"
#include "core/LessonPack.h"
#include "core/MkMain.h"
#include "core/SystemPorts.h"
#include "media/SilentMedia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class SilentMessages final : public MessagePort {
public:
    MessageAnswer show(const QString&, MessageButtons) override { return MessageAnswer::Ok; }
};

class NoBeep final : public BeepPort {
public:
    void beep() override {}
};

class NoPrinter final : public PrintPort {
public:
    std::optional<int> askCopies() override { return std::nullopt; }
    void print(const QString&, const QString&, double, int) override {}
};

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

void fillProgramFolder(const QString& root) {
    QDir(root).mkpath(QStringLiteral("MKData"));
    QDir(root).mkpath(QStringLiteral("MKLesson"));
    QByteArray list;
    for (int i = 0; i < 1001; ++i)
        list += writeCatalogueRecord({QStringLiteral("ホームポジション練習 %1").arg(i),
                                      QStringLiteral("lesson%1.txt").arg(i), QStringLiteral("2"),
                                      static_cast<quint8>(1 + i % 6), 1.5f});
    write(root + QStringLiteral("MKLesson/Lesson_List.txt"), list);
    write(root + QStringLiteral("MKLesson/Lesson_List.Add.txt"), {});
    write(root + QStringLiteral("MKLesson/MKOK"), writeMarker(2.2f));
    write(root + QStringLiteral("MKData/KEY_DEFINE.DAT"), QByteArray(381, '\0'));
}

void StartUpWork(benchmark::State& state) {
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    fillProgramFolder(root);
    SilentMessages messages;
    SystemClock clock;
    UniformRandom random;
    NoBeep beep;
    SilentMediaFactory media;
    NoPrinter printer;
    UnattendedCopy copies;
    for (auto _ : state) {
        MkMain mk(Ports{messages, clock, random, beep, media, printer, copies}, root);
        FixFolders(mk);
        LoadCatalogueAndKeys(mk);
        const bool current = unpackLessons(mk.LessonFolder, 2.2f) == UnpackOutcome::AlreadyCurrent;
        benchmark::DoNotOptimize(current);
        benchmark::DoNotOptimize(mk.LastLessonIndex);
    }
}
BENCHMARK(StartUpWork)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Collecting 1000 pupils' history files from 40 class folders and converting
// them into their tables and class overviews, beside the floor on the same
// disk: copying the files with cp, reading them and writing the same CSV bytes
// in a plain loop; and the same bytes written whole, the share of safe writing.
#include "core/FileCopy.h"
#include "core/WholeFile.h"
#include "logon/HistoryFile.h"
#include "teacher/FolderWalk.h"
#include "teacher/HistoryTables.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

namespace {

constexpr int kPupils = 1000;
constexpr int kClasses = 40;

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A pupil who has tried the first 120 lessons, some of them many times.
HistoryRecord record(int i) {
    HistoryRecord r;
    for (int lesson = 0; lesson < 120; ++lesson)
        for (int slot = 0; slot < (lesson * 7 + i) % 100; ++slot)
            r.scores(lesson, slot) = quint8((lesson + slot * 3 + i) % 101);
    r.name = QStringLiteral("生徒%1").arg(i);
    r.userId = QStringLiteral("u%1").arg(i);
    r.grade = quint8(1 + (i % kClasses) / 8);
    r.classNo = quint8(1 + (i % kClasses) % 8);
    r.pupilNo = quint8(1 + i / kClasses);
    return r;
}

historytables::Titles titles() {
    historytables::Titles t;
    for (int i = 0; i < 300; ++i)
        t[i] = QStringLiteral("ホームポジション練習 %1").arg(i);
    return t;
}

// The collect action: every history file below root copied, flattened, into the folder.
void collect(const QString& root, const QString& into) {
    for (const QString& folder : folderwalk::folders(root, {}))
        for (const QString& name : folderwalk::matchingFiles(folder, QStringLiteral("*.mkd"))) {
            const QString source = QDir(folder).filePath(name);
            (void)copyFile(source, QDir(into).filePath(folderwalk::flatName(root, source)));
        }
}

// The class folders, and the tables a conversion makes of them, once per run.
struct Collection {
    QTemporaryDir source;
    std::map<QString, QByteArray> tables;

    Collection() {
        for (int i = 0; i < kPupils; ++i) {
            const QString folder = QStringLiteral("class%1").arg(i % kClasses);
            QDir(source.path()).mkpath(folder);
            put(source.filePath(folder + QStringLiteral("/u%1.mkd").arg(i)),
                writeHistory(record(i)));
        }
        QTemporaryDir made;
        collect(source.path(), made.path());
        (void)historytables::convertCollection(made.path(), titles(), {}, {});
        for (const QString& name :
             QDir(made.path()).entryList({QStringLiteral("*.csv")}, QDir::Files))
            tables[name] = readAll(QDir(made.path()).filePath(name));
    }

    void copyInto(const QString& folder) const { collect(source.path(), folder); }
};

const Collection& collection() {
    static const Collection c;
    return c;
}

void cp(const QString& from, const QString& to) {
    QProcess p;
    p.start(QStringLiteral("cp"), {QStringLiteral("-R"), from + QStringLiteral("/."), to});
    p.waitForFinished(-1);
}

const auto yes = [](const QString&) { return true; };

// The whole results button, run again over the same collection folder.
void CollectAndConvert(benchmark::State& state) {
    const Collection& c = collection();
    QTemporaryDir dir;
    for (auto _ : state) {
        collect(c.source.path(), dir.path());
        const historytables::Report r =
            historytables::convertCollection(dir.path(), titles(), yes, {});
        benchmark::DoNotOptimize(r.written);
    }
}
BENCHMARK(CollectAndConvert)->Unit(benchmark::kMillisecond)->Iterations(3);

void FloorCpReadAndWrite(benchmark::State& state) {
    const Collection& c = collection();
    QTemporaryDir dir;
    const QDir folder(dir.path());
    for (auto _ : state) {
        cp(c.source.path(), dir.path());
        for (const QString& sub : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString& h : QDir(folder.filePath(sub)).entryList(QDir::Files))
                benchmark::DoNotOptimize(readAll(folder.filePath(sub + u'/' + h)).size());
        for (const auto& [name, bytes] : c.tables)
            put(folder.filePath(name), bytes);
    }
}
BENCHMARK(FloorCpReadAndWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

void Conversion(benchmark::State& state) {
    const Collection& c = collection();
    QTemporaryDir dir;
    c.copyInto(dir.path());
    for (auto _ : state) {
        const historytables::Report r =
            historytables::convertCollection(dir.path(), titles(), yes, {});
        benchmark::DoNotOptimize(r.written);
    }
    state.counters["tables"] = double(c.tables.size());
}
BENCHMARK(Conversion)->Unit(benchmark::kMillisecond)->Iterations(3);

void FloorReadAndWrite(benchmark::State& state) {
    const Collection& c = collection();
    QTemporaryDir dir;
    c.copyInto(dir.path());
    const QDir folder(dir.path());
    const QStringList histories = folder.entryList({QStringLiteral("*.mkd")}, QDir::Files);
    for (auto _ : state) {
        for (const QString& h : histories)
            benchmark::DoNotOptimize(readAll(folder.filePath(h)).size());
        for (const auto& [name, bytes] : c.tables)
            put(folder.filePath(name), bytes);
    }
}
BENCHMARK(FloorReadAndWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same bytes written whole, as the conversion must: the share of the
// conversion that belongs to safe writing rather than to the tables.
void WholeWritesOfTheSameBytes(benchmark::State& state) {
    const Collection& c = collection();
    QTemporaryDir dir;
    c.copyInto(dir.path());
    const QDir folder(dir.path());
    for (auto _ : state)
        for (const auto& [name, bytes] : c.tables)
            benchmark::DoNotOptimize(
                wholefile::writeInside(dir.path(), folder.filePath(name), bytes).ok());
}
BENCHMARK(WholeWritesOfTheSameBytes)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();

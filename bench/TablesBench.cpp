// Converting a collection of 1000 pupils' history files (40 classes) into
// their tables and class overviews, beside the floor on the same disk: reading
// the same history files and writing the same CSV bytes in a plain loop, the
// same bytes written whole, and copying the history files with cp as a
// collection would.
#include "core/WholeFile.h"
#include "logon/HistoryFile.h"
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

// The history files, and the tables a conversion makes of them, once per run.
struct Collection {
    QTemporaryDir source;
    std::map<QString, QByteArray> tables;

    Collection() {
        for (int i = 0; i < kPupils; ++i)
            put(source.filePath(QStringLiteral("%1&u%2.mkd").arg(i % kClasses).arg(i)),
                writeHistory(record(i)));
        QTemporaryDir made;
        copyInto(made.path());
        (void)historytables::convertCollection(made.path(), titles(), {}, {});
        for (const QString& name :
             QDir(made.path()).entryList({QStringLiteral("*.csv")}, QDir::Files))
            tables[name] = readAll(QDir(made.path()).filePath(name));
    }

    void copyInto(const QString& folder) const {
        for (const QString& name : QDir(source.path()).entryList(QDir::Files))
            QFile::copy(source.filePath(name), QDir(folder).filePath(name));
    }
};

const Collection& collection() {
    static const Collection c;
    return c;
}

void Conversion(benchmark::State& state) {
    const Collection& c = collection();
    QTemporaryDir dir;
    c.copyInto(dir.path());
    const auto yes = [](const QString&) { return true; };
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

// What the collection step costs at the least: the same files copied by cp.
void FloorCopyWithCp(benchmark::State& state) {
    const Collection& c = collection();
    QTemporaryDir dir;
    for (auto _ : state) {
        QProcess cp;
        cp.start(QStringLiteral("sh"),
                 {QStringLiteral("-c"), QStringLiteral("cp \"$0\"/*.mkd \"$1\"/"), c.source.path(),
                  dir.path()});
        cp.waitForFinished(-1);
    }
}
BENCHMARK(FloorCopyWithCp)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();

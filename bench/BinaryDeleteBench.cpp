// "Binary Delete" on 2000 files in a few size buckets, a quarter of them
// copies of others, against `jdupes -dN` on a copy of the same folder. Prints
// both times and whether the same contents, each once, survive.
#include "teacher/BinaryDelete.h"
#include "teacher/RenomixSort.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kFiles = 2000;
constexpr int kCopies = kFiles / 4;
constexpr qint64 kBuckets[] = {1024, 4096, 16384, 65536};

QString nameOf(int i) {
    return QStringLiteral("f%1.bin").arg(i, 4, 10, QChar(u'0'));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) std::abort();
}

// Unique files first, then copies of random earlier ones, names shuffled in.
void makeFolder(const QString& folder) {
    QRandomGenerator random(2026);
    std::vector<QByteArray> contents;
    for (int i = 0; i < kFiles - kCopies; ++i) {
        QByteArray bytes(kBuckets[i % 4], Qt::Uninitialized);
        for (char& c : bytes)
            c = char(random.bounded(256));
        contents.push_back(bytes);
    }
    for (int i = 0; i < kCopies; ++i)
        contents.push_back(contents[random.bounded(kFiles - kCopies)]);
    std::vector<int> order(kFiles);
    for (int i = 0; i < kFiles; ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), random);
    for (int i = 0; i < kFiles; ++i)
        writeFile(QDir(folder).filePath(nameOf(order[i])), contents[i]);
}

void copyFolder(const QString& from, const QString& to) {
    for (const QString& n : QDir(from).entryList(QDir::Files))
        if (!QFile::copy(QDir(from).filePath(n), QDir(to).filePath(n))) std::abort();
}

// The window's action: sizes in name order, the heap sort, then the deletes.
// Prints how the time divides between the three.
qint64 runOurs(const QString& folder) {
    QElapsedTimer t;
    t.start();
    std::vector<renomix::SortEntry> entries;
    for (const QFileInfo& f : QDir(folder).entryInfoList(QDir::Files, QDir::Name))
        entries.push_back({f.filePath(), f.size()});
    renomix::heapSort(entries, renomix::Order::SmallestFirst);
    std::vector<binarydelete::Candidate> files;
    for (const auto& e : entries)
        files.push_back({e.path, e.key});
    const qint64 gathered = t.nsecsElapsed();
    const QStringList remove = binarydelete::duplicates(files).remove;
    const qint64 found = t.nsecsElapsed();
    for (const QString& path : remove)
        QFile::remove(path);
    const qint64 all = t.nsecsElapsed();
    std::printf("  gather and sort %.1f ms, find %.1f ms, delete %.1f ms\n", gathered / 1e6,
                (found - gathered) / 1e6, (all - found) / 1e6);
    return all;
}

qint64 runJdupes(const QString& folder) {
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(QStringLiteral("jdupes"), {QStringLiteral("-q"), QStringLiteral("-dN"), folder});
    if (!p.waitForFinished(-1) || p.exitCode() != 0) {
        std::fprintf(stderr, "jdupes did not run: %s\n", qPrintable(p.errorString()));
        std::exit(1);
    }
    return t.nsecsElapsed();
}

// What survives, as contents: each must be there exactly once.
QList<QByteArray> survivingContents(const QString& folder) {
    QList<QByteArray> hashes;
    for (const QFileInfo& f : QDir(folder).entryInfoList(QDir::Files)) {
        QFile file(f.filePath());
        if (!file.open(QIODevice::ReadOnly)) std::abort();
        hashes << QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    std::sort(hashes.begin(), hashes.end());
    return hashes;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir base, ours, theirs;
    makeFolder(base.path());
    copyFolder(base.path(), ours.path());
    copyFolder(base.path(), theirs.path());
    const QList<QByteArray> before = survivingContents(base.path());

    const qint64 oursNs = runOurs(ours.path());
    const qint64 theirsNs = runJdupes(theirs.path());
    const QList<QByteArray> a = survivingContents(ours.path());
    const QList<QByteArray> b = survivingContents(theirs.path());
    const bool eachOnce = QSet<QByteArray>(a.begin(), a.end()).size() == a.size();
    const bool sameContents =
        a == b && QSet<QByteArray>(before.begin(), before.end()).size() == a.size();

    std::printf("files: %d, survivors: ours %lld, jdupes %lld\n", kFiles, qlonglong(a.size()),
                qlonglong(b.size()));
    std::printf("Binary Delete: %.1f ms\n", oursNs / 1e6);
    std::printf("jdupes -dN:    %.1f ms\n", theirsNs / 1e6);
    std::printf("same contents survive, each once: %s\n", eachOnce && sameContents ? "yes" : "NO");
    return eachOnce && sameContents ? 0 : 1;
}

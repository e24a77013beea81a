#include "core/MkMain.h"
#include "teacher/BinaryDelete.h"
#include "teacher/Renomix.h"
#include "teacher/RenomixRename.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using renomix::SortEntry;

void Renomix::Command1_Click() {
    if (action == kCollectFiles) return collectFiles();
    const qsizetype n = File1.items.size();
    const bool deleting = action == kBinaryDelete;
    if (Text1.caption.isEmpty() && !deleting) return refuse(u"After ReNameが設定されていません"_qs);
    if (!renomix::fitsDigits(n, digits) && !deleting)
        return refuse(u"Figuresの値が小さすぎます"_qs);
    if (n == 0) return refuse(u"ファイルが指定されていません"_qs);

    std::vector<SortEntry> files = gather();
    moveBar(ProgressBar2, 0, 1);
    if (action != kFileNameUp) {
        const bool smallestFirst =
            action == kFileSizeUp || action == kDateTimeUp || action == kBinaryDelete;
        renomix::heapSort(files, smallestFirst ? renomix::Order::SmallestFirst
                                               : renomix::Order::LargestFirst);
    }
    moveBar(ProgressBar2, 1, 1);
    if (deleting)
        deleteDuplicates(files);
    else
        renumber(files);
    finish();
}

// The listed files in the order File1 shows them, each with the key it is sorted by.
std::vector<SortEntry> Renomix::gather() {
    const QDir folder(Dir1.caption);
    const int n = int(File1.items.size());
    const bool bySize = action == kFileSizeUp || action == kFileSizeDown || action == kBinaryDelete;
    const bool byTime = action == kDateTimeUp || action == kDateTimeDown;
    std::vector<SortEntry> files;
    files.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        const QFileInfo f(folder.filePath(File1.items.at(i)));
        qint64 key = 0;
        if (bySize) key = f.size();
        if (byTime) key = f.lastModified().toMSecsSinceEpoch();
        files.push_back({f.filePath(), key});
        moveBar(ProgressBar1, i + 1, n);
    }
    return files;
}

// Every new name is checked before the first rename, so a collision never
// leaves the folder half renumbered.
void Renomix::renumber(const std::vector<SortEntry>& files) {
    QStringList paths;
    for (const SortEntry& e : files)
        paths << e.path;
    const QStringList targets = renomix::targets(Dir1.caption, paths, Text1.caption, digits);
    if (renomix::firstTaken(targets)) {
        mk.ports.beep.beep();
        mk.ShowMessageText(u"既に同名のファイルが存在しています"_qs);
        failed = true;
        return;
    }
    for (int i = 0; i < paths.size(); ++i) {
        if (!QFile::rename(paths[i], targets[i])) {
            failed = true;
            return;
        }
        moveBar(ProgressBar3, i + 1, int(paths.size()));
    }
}

void Renomix::deleteDuplicates(const std::vector<SortEntry>& files) {
    std::vector<binarydelete::Candidate> candidates;
    for (const SortEntry& e : files)
        candidates.push_back({e.path, e.key});
    const int total = int(files.size());
    int read = 0;
    const binarydelete::Plan plan =
        binarydelete::duplicates(candidates, [&] { moveBar(ProgressBar3, ++read, total); });
    if (!plan.unreadable.isEmpty()) failed = true;
    for (const QString& path : plan.remove)
        if (!QFile::remove(path)) failed = true;
    moveBar(ProgressBar3, total, total);
}

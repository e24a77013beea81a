#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// The renamer's order of files: an in-place heap sort that moves each path
// with its key. Its order of equal keys decides the new names, so it is kept
// exactly as teachers know it rather than replaced by a library sort.
namespace renomix {

enum class Order { SmallestFirst, LargestFirst };

struct SortEntry {
    QString path;
    qint64 key = 0;
};

void heapSort(std::vector<SortEntry>& entries, Order order);

} // namespace renomix

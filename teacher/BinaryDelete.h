#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <vector>

// Files whose content another file repeats: of each set of identical files
// only the last in the given order is kept. Files are grouped by size, then by
// a hash of their content, and confirmed byte for byte, so each is read only
// a few times whatever its size.
namespace binarydelete {

struct Candidate {
    QString path;
    qint64 size = 0;
};

struct Plan {
    QStringList remove; // in the given order
    QStringList unreadable;
};

// step() is called after each file read, so a window can repaint.
Plan duplicates(const std::vector<Candidate>& files, const std::function<void()>& step = {});

} // namespace binarydelete

#include "teacher/Volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace volumes {

QStringList roots(const QString& programFolder) {
    QStringList found{QStorageInfo(programFolder).rootPath()};
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        // Containers mount single files too; only folders can be chosen.
        if (v.isValid() && v.isReady() && QFileInfo(v.rootPath()).isDir()) found << v.rootPath();
    found.removeAll(QString());
    found.removeDuplicates();
    found.sort();
    return found;
}

int indexFor(const QStringList& roots, const QString& folder) {
    int best = -1;
    for (int i = 0; i < roots.size(); ++i) {
        const QString& root = roots[i];
        const QString inside = root.endsWith(u'/') ? root : root + u'/';
        const bool holds = folder == root || folder.startsWith(inside);
        if (holds && (best < 0 || root.size() > roots[best].size())) best = i;
    }
    return best;
}

State check(const QString& root) {
    const QStorageInfo volume(root);
    if (!QFileInfo(root).isDir() || !volume.isValid()) return State::Damaged;
    if (!volume.isReady()) return State::NotReady;
    return QDir(root).isReadable() ? State::Ready : State::Damaged;
}

} // namespace volumes

#pragma once

#include <QDir>
#include <QString>

// Folder paths as the filing tool keeps and shows them.
namespace foldertext {

// Folder trees hold paths without a trailing separator ("/" alone excepted).
inline QString treePath(const QString& folder) {
    return QDir::cleanPath(folder);
}
// Folder strings of the shared state end with one, so names append directly.
inline QString withSeparator(const QString& path) {
    return path.endsWith(u'/') ? path : path + u'/';
}
inline QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace foldertext

#include "media/RenderedMusic.h"

#include <QFileInfo>

QString playableFile(const QString& path) {
    if (!path.endsWith(u".mid", Qt::CaseInsensitive)) return path;
    const QFileInfo score(path);
    const QFileInfo rendered(path.left(path.size() - 4) + QStringLiteral(".ogg"));
    // Copying a folder, or a stick that keeps times to 2 s, can leave the
    // rendering a moment older than its score; an edit comes later than that.
    if (rendered.isFile() && rendered.lastModified().addSecs(2) >= score.lastModified())
        return rendered.filePath();
    return path;
}

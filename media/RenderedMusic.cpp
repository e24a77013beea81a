#include "media/RenderedMusic.h"

#include <QFileInfo>

QString playableFile(const QString& path) {
    if (!path.endsWith(u".mid", Qt::CaseInsensitive)) return path;
    const QFileInfo score(path);
    const QFileInfo rendered(path.left(path.size() - 4) + QStringLiteral(".ogg"));
    if (rendered.isFile() && rendered.lastModified() >= score.lastModified())
        return rendered.filePath();
    return path;
}

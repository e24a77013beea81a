#include "core/RelativeName.h"

#include <QDir>

std::optional<QString> relativeFileName(const QString& name) {
    QString path = name;
    path.replace(u'\\', u'/');
    const bool drive = path.size() >= 2 && path.at(1) == u':' && path.at(0).isLetter();
    if (path.isEmpty() || path.startsWith(u'/') || path.endsWith(u'/') || drive)
        return std::nullopt;
    const QString cleaned = QDir::cleanPath(path);
    if (cleaned == u"." || cleaned == u".." || cleaned.startsWith(u"../")) return std::nullopt;
    return cleaned;
}

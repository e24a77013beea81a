#include "teacher/RenomixRename.h"

#include <QDir>
#include <QFileInfo>

namespace renomix {

QString extensionOf(const QString& fileName) {
    const qsizetype n = fileName.size();
    if (n >= 4 && fileName.at(n - 4) == u'.') return fileName.right(3);
    return fileName.right(4);
}

QString newName(const QString& header, int serial, int digits, const QString& fileName) {
    return header + QStringLiteral("%1").arg(serial, digits, 10, QChar(u'0')) + u'.' +
           extensionOf(fileName);
}

bool fitsDigits(qint64 files, int digits) {
    qint64 limit = 1;
    for (int i = 0; i < digits; ++i)
        limit *= 10;
    return files <= limit - 1;
}

QStringList targets(const QString& folder, const QStringList& files, const QString& header,
                    int digits) {
    QStringList result;
    result.reserve(files.size());
    const QDir dir(folder);
    for (qsizetype i = 0; i < files.size(); ++i)
        result << dir.filePath(newName(header, int(i + 1), digits, QFileInfo(files[i]).fileName()));
    return result;
}

std::optional<QString> firstTaken(const QStringList& targets) {
    for (const QString& t : targets) {
        const QFileInfo f(t);
        if (f.exists() || f.isSymLink()) return t;
    }
    return std::nullopt;
}

} // namespace renomix

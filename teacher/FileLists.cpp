#include "teacher/FileLists.h"

#include "core/Cp932.h"
#include "logon/HistoryFile.h"

#include <QDir>
#include <QFile>
#include <limits>

namespace filelists {

Result<std::vector<CatalogueRecord>> addedLessons(const QString& path) {
    return readCatalogue(path, std::numeric_limits<int>::max());
}

QByteArray addedLessonsFile(const std::vector<CatalogueRecord>& records) {
    QByteArray bytes;
    for (const CatalogueRecord& r : records)
        bytes += writeCatalogueRecord(r);
    return bytes;
}

QStringList historyFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.mkd")}, QDir::Files | QDir::Hidden,
                                  QDir::Name);
}

QString historyLine(const QString& folder, const QString& fileName) {
    QFile file(QDir(folder).filePath(fileName));
    QByteArray head;
    if (file.open(QIODevice::ReadOnly)) head = file.read(HistoryRecord::kSize);
    // A short or unreadable file shows blanks where its fields would be.
    const QByteArray name = head.mid(HistoryRecord::kNameOffset, 30).leftJustified(30, ' ');
    head = head.leftJustified(HistoryRecord::kSize, '\0');
    const auto number = [&](int offset) {
        return QString::number(quint8(head.at(HistoryRecord::kGradeOffset + offset)));
    };
    return fileName + u' ' + number(0) + u"年 "_qs + number(1) + u"組 "_qs + number(2) + u"番 "_qs +
           cp932::decode(name);
}

} // namespace filelists

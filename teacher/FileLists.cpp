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
    // Only the fields after the score table: a folder on a network drive may
    // hold a thousand files of 100 kB each.
    constexpr int kFields = HistoryRecord::kSize - HistoryRecord::kNameOffset;
    constexpr int kGrade = HistoryRecord::kGradeOffset - HistoryRecord::kNameOffset;
    QFile file(QDir(folder).filePath(fileName));
    QByteArray fields;
    if (file.open(QIODevice::ReadOnly) && file.seek(HistoryRecord::kNameOffset))
        fields = file.read(kFields);
    // A short or unreadable file shows blanks where its fields would be.
    const QByteArray name = fields.left(30).leftJustified(30, ' ');
    fields = fields.leftJustified(kFields, '\0');
    const auto number = [&](int i) { return QString::number(quint8(fields.at(kGrade + i))); };
    return fileName + u' ' + number(0) + u"年 "_qs + number(1) + u"組 "_qs + number(2) + u"番 "_qs +
           cp932::decode(name);
}

} // namespace filelists

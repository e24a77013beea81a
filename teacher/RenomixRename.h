#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// New names for renumbering: header, serial number, extension.
namespace renomix {

// The last three characters after a dot in fourth place from the end, else
// the last four (so "x.js" keeps "x.js" and "a.jpeg" keeps "jpeg").
QString extensionOf(const QString& fileName);
// "No000012.txt" for header "No", serial 12, 6 digits.
QString newName(const QString& header, int serial, int digits, const QString& fileName);
// Whether n files fit the serial numbers of digits places.
bool fitsDigits(qint64 files, int digits);

// The new full paths, in order, for the files of folder given as full paths.
QStringList targets(const QString& folder, const QStringList& files, const QString& header,
                    int digits);
// The first target that is already taken, if any.
std::optional<QString> firstTaken(const QStringList& targets);

} // namespace renomix

#pragma once

#include "core/Catalogue.h"

#include <QString>
#include <QStringList>
#include <vector>

// What the filing tool lists for deleting: the lessons a teacher added, and
// the personal history files of a folder.
namespace filelists {

inline constexpr int kMaxLessons = 1001;
inline constexpr int kMaxHistories = 1000;

// Every record of an additions file, however many; the caller shows the first
// kMaxLessons. Holding them all keeps the rest when the file is rewritten.
Result<std::vector<CatalogueRecord>> addedLessons(const QString& path);
// The records in file order, each as one line of the additions file.
QByteArray addedLessonsFile(const std::vector<CatalogueRecord>& records);

// The "*.mkd" files of folder, by name.
QStringList historyFiles(const QString& folder);
// "name 3年 2組 15番 " and the 30-character name field as stored.
QString historyLine(const QString& folder, const QString& fileName);

} // namespace filelists

#pragma once

#include "core/Result.h"

#include <QIODevice>
#include <QString>
#include <vector>

class MkMain;

struct CatalogueRecord {
    QString title;
    QString file;
    QString file2; // second file, or the order flag
    quint8 kind = 0;
    float factor = 0.0f;
};

// Reads the records of one catalogue file. A record cut short, a number that
// does not fit its field, or more than maxRecords records is an error.
Result<std::vector<CatalogueRecord>> readCatalogue(QIODevice& device, int maxRecords);
Result<std::vector<CatalogueRecord>> readCatalogue(const QString& path, int maxRecords);

// One record as the catalogue files hold it, CR LF included.
QByteArray writeCatalogueRecord(const CatalogueRecord& record);

// Clears the scores and loads both catalogue files and the key definitions
// into the shared state, or shows the failure and ends the program.
// Returns false when the program has ended.
bool LoadCatalogueAndKeys(MkMain& mk);

#pragma once

#include "core/ScoreTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// The class results: every collected personal history file turned into a CSV
// table of its pupil (one row per lesson, one column per earlier attempt), and
// one overview table per class. CP932, CR LF, ready for a spreadsheet.
namespace historytables {

using Titles = std::array<QString, 1001>;

// What a table needs of a history file: the raw 30-character name field (as
// read, trailing spaces kept), school year, class, number and the scores.
struct Pupil {
    QString nameField;
    quint8 grade = 0;
    quint8 classNo = 0;
    quint8 pupilNo = 0;
    ScoreTable scores;
    QString sourceFile; // the history file's name, for reports
};

// Reads the fields a table needs; nothing for a file too short to hold them.
std::optional<Pupil> readPupil(const QString& historyPath);

// "3年02組05番　山田太郎.csv"; nothing when the name cannot be part of a file
// name here (a separator, a character the file system refuses, too long).
std::optional<QString> tableName(const Pupil& pupil);
// Lines 1 to 1003 of a pupil's table, byte for byte.
QByteArray table(const Pupil& pupil, const Titles& titles);

// "<grade>年<class 00>組　一覧.csv" and its content for the pupils of one class.
QString overviewName(quint8 grade, quint8 classNo);
QByteArray overview(const std::vector<Pupil>& classPupils, const Titles& titles);

struct Report {
    int written = 0;
    int declined = 0;     // an existing table the teacher chose to keep
    QStringList failures; // one line per history file or table that failed
};

// Converts every "*.mkd" of collectionFolder, in listing order, into its table
// beside it, then writes the class overviews. askReplace(question) is asked
// before an existing table is replaced (true: replace); progress(done, total)
// is called before each file so the window can move its bar and repaint.
// Every table is written whole; a pupil whose table cannot be written is
// reported and skipped, and the run goes on.
Report convertCollection(const QString& collectionFolder, const Titles& titles,
                         const std::function<bool(const QString& question)>& askReplace,
                         const std::function<void(int done, int total)>& progress);

} // namespace historytables

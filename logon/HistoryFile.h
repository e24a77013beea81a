#pragma once

#include "core/Result.h"
#include "core/ScoreTable.h"

#include <QIODevice>
#include <QString>

class MkMain;

// The personal history file: the score table, then name, user ID and password
// in 30-byte fields, then school year, class and number, 101,194 bytes in all.
struct HistoryRecord {
    static constexpr int kNameOffset = ScoreTable::kBytes;
    static constexpr int kUserIdOffset = kNameOffset + 30;
    static constexpr int kPasswordOffset = kUserIdOffset + 30;
    static constexpr int kGradeOffset = kPasswordOffset + 30;
    static constexpr int kSize = kGradeOffset + 3;

    ScoreTable scores;
    QString name;
    QString userId;
    QString password;
    quint8 grade = 0;
    quint8 classNo = 0;
    quint8 pupilNo = 0;
};

enum class HistoryError { Unreadable, Damaged };

QByteArray writeHistory(const HistoryRecord& record);
// A file shorter than the record is damaged; a longer one keeps its tail unread.
Result<HistoryRecord> readHistory(QIODevice& device);
// Writes the record beside the file, then puts it in the file's place, so a
// crash or a lost drive never leaves half a record behind.
Status writeHistoryFile(const QString& path, const HistoryRecord& record);
Status writeHistoryFile(QIODevice& device, const HistoryRecord& record);

// The file of a user ID in the history folder: the exact name first, then,
// where the file system tells letter case apart, the one file whose name
// matches ignoring case. Empty when there is none.
QString findHistoryFile(const QString& folder, const QString& userId);

// The shared state to and from the pupil's history file.
HistoryRecord recordOf(const MkMain& mk);
void takeRecord(MkMain& mk, const HistoryRecord& record);
// Reads the file of the current UserID; the error says why it could not.
Result<HistoryRecord> LoadHistoryFile(MkMain& mk, const QString& path);
Status SaveHistoryFile(const MkMain& mk, const QString& folder);

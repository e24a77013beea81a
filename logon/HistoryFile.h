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

// The file of a user ID in the history folder: the exact name first, then,
// where the file system tells letter case apart, the one file whose name
// matches ignoring case. Empty when there is none.
QString findHistoryFile(const QString& folder, const QString& userId);

// The shared state to and from the pupil's history file.
HistoryRecord recordOf(const MkMain& mk);
void takeRecord(MkMain& mk, const HistoryRecord& record);
// The file a new pupil's history will be created as: the user ID as typed.
QString newHistoryPath(const QString& folder, const QString& userId);

// Reads the file of the current UserID; the error says why it could not.
Result<HistoryRecord> LoadHistoryFile(MkMain& mk, const QString& path);
// Writes the pupil's history back to the file it was read from at log-on
// (HistoryPath), never to a path made from the ID stored inside it. Written
// whole: a crash or a lost drive never leaves half a record behind.
Status SaveHistoryFile(const MkMain& mk);
// The same record under the same file name in the emergency folder, so that
// it can later be moved unchanged into the history folder.
Status SaveEmergencyCopy(const MkMain& mk);

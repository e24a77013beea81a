#include "logon/HistoryFile.h"

#include "core/MkMain.h"
#include "core/TextField.h"
#include "core/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

QByteArray writeHistory(const HistoryRecord& r) {
    QByteArray out;
    out.reserve(HistoryRecord::kSize);
    out.append(reinterpret_cast<const char*>(r.scores.bytes().data()), ScoreTable::kBytes);
    out += textfield::pack(r.name);
    out += textfield::pack(r.userId);
    out += textfield::pack(r.password);
    out += char(r.grade);
    out += char(r.classNo);
    out += char(r.pupilNo);
    return out;
}

Result<HistoryRecord> readHistory(QIODevice& device) {
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) return Error{device.errorString()};
    const QByteArray bytes = device.read(HistoryRecord::kSize);
    if (bytes.size() < HistoryRecord::kSize) return Error{QStringLiteral("short record")};
    HistoryRecord r;
    std::memcpy(r.scores.bytes().data(), bytes.constData(), ScoreTable::kBytes);
    const auto field = [&](int at) {
        return textfield::unpack(QByteArrayView(bytes).sliced(at, textfield::kWidth));
    };
    r.name = field(HistoryRecord::kNameOffset);
    r.userId = field(HistoryRecord::kUserIdOffset);
    r.password = field(HistoryRecord::kPasswordOffset);
    r.grade = quint8(bytes[HistoryRecord::kGradeOffset]);
    r.classNo = quint8(bytes[HistoryRecord::kGradeOffset + 1]);
    r.pupilNo = quint8(bytes[HistoryRecord::kGradeOffset + 2]);
    return r;
}

QString findHistoryFile(const QString& folder, const QString& userId) {
    const QString exact = folder + userId + QStringLiteral(".mkd");
    if (QFile::exists(exact)) return exact;
    const QString wanted = (userId + QStringLiteral(".mkd")).toCaseFolded();
    QString found;
    const QStringList names = QDir(folder).entryList({QStringLiteral("*")}, QDir::Files);
    for (const QString& name : names) {
        if (name.toCaseFolded() != wanted) continue;
        if (!found.isEmpty()) return {}; // two candidates: neither is the pupil's for sure
        found = folder + name;
    }
    return found;
}

HistoryRecord recordOf(const MkMain& mk) {
    HistoryRecord r;
    r.scores = mk.ScoreHistory;
    r.name = mk.UserName;
    r.userId = mk.UserID;
    r.password = mk.UserPassword;
    r.grade = mk.Grade;
    r.classNo = mk.ClassNo;
    r.pupilNo = mk.PupilNo;
    return r;
}

void takeRecord(MkMain& mk, const HistoryRecord& r) {
    mk.ScoreHistory = r.scores;
    mk.UserName = r.name;
    mk.UserID = r.userId;
    mk.UserPassword = r.password;
    mk.Grade = r.grade;
    mk.ClassNo = r.classNo;
    mk.PupilNo = r.pupilNo;
}

Result<HistoryRecord> LoadHistoryFile(MkMain& mk, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Error{file.errorString()};
    auto record = readHistory(file);
    if (record) takeRecord(mk, record.value());
    return record;
}

QString newHistoryPath(const QString& folder, const QString& userId) {
    return folder + userId + QStringLiteral(".mkd");
}

Status SaveHistoryFile(const MkMain& mk) {
    return wholefile::writeInside(mk.DataFolder, mk.HistoryPath, writeHistory(recordOf(mk)));
}

Status SaveEmergencyCopy(const MkMain& mk) {
    const QString name = QFileInfo(mk.HistoryPath).fileName();
    return wholefile::writeInside(mk.EmergencyFolder, mk.EmergencyFolder + name,
                                  writeHistory(recordOf(mk)));
}

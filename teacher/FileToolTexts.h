#pragma once

#include <QString>
#include <QStringList>

// The words of the filing tool. Folder texts come in as people see them,
// each ending with its separator.
namespace filetool {

QStringList operations();
QString chooseOperation();

QString sameFolder();
QString askCopy(bool lessons, const QString& from, const QString& to);
QString copied();
QString copyFailed();

QString noLessonChosen();
QString askDeleteLesson(const QString& folder, const QString& title);
QString lessonDeleted();
QString noHistoryChosen();
QString askDeleteHistory(const QString& folder, const QString& fileName);
QString historyDeleted();

QString askChangeFolder(bool lessons, const QString& folder);
QString askCopyToNewFolder(bool lessons);
QString folderChanged(bool lessons);

QString driveNotReady();
QString driveDamaged();

// The mends: what goes wrong beyond the usual path, and lists cut short.
QString notWritten(const QString& path, const QString& why);
QString notDeleted(const QString& path);
QString vanished(const QString& path);
QString listUnreadable(const QString& path);
QString lessonsCut(int shown);
QString historiesCut(int shown);

} // namespace filetool

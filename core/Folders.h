#pragma once

#include "core/Result.h"

#include <QIODevice>
#include <QString>

class MkMain;

struct Folders {
    QString defaultData;
    QString defaultLesson;
    QString data;
    QString lesson;
};

// The two default folders beside the program. programFolder ends with "/".
Folders defaultFolders(const QString& programFolder);

// Reads the active folders of "Path.dat"; empty items mean the defaults.
// An error when the file cannot be read or ends before its second item.
Result<Folders> readPathFile(QIODevice& device, Folders defaults);
// The whole first step of start-up: no "Path.dat" means the default folders.
Result<Folders> resolveFolders(const QString& programFolder);

// Writes the two active folders as "Path.dat" holds them.
QByteArray writePathFile(const QString& dataFolder, const QString& lessonFolder);

// Sets the four folder strings of the shared state, or shows the failure and
// ends the program. Returns false when the program has ended.
bool FixFolders(MkMain& mk);

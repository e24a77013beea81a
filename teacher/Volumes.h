#pragma once

#include <QString>
#include <QStringList>

// The mounted volumes a folder can be chosen from.
namespace volumes {

// Root paths of the volumes that are ready to read, always with the one that
// holds programFolder, sorted.
QStringList roots(const QString& programFolder);

// The entry of roots that holds folder: the longest root that is a prefix of
// it. -1 when none does.
int indexFor(const QStringList& roots, const QString& folder);

enum class State { Ready, NotReady, Damaged };
// NotReady: the volume is there but cannot be read now (no medium). Damaged:
// anything else that keeps its root folder from being listed.
State check(const QString& root);

} // namespace volumes

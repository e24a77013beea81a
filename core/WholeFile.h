#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QSet>
#include <QString>

// The one way the program writes a file: whole or not at all. The bytes go to
// a temporary file beside the target, are flushed to the disk and renamed over
// it, so a crash or a lost network drive leaves the old file or the new one,
// never half of either. A rename replaces a link at the target's place rather
// than writing through it.
namespace wholefile {

// Creates missing folders on the way. Temporary files of this target that an
// earlier, killed writer left behind are removed after a successful write.
Status write(const QString& path, const QByteArray& bytes);

// As write, but refused when the target, followed through every link on its
// way, would lie outside folder.
Status writeInside(const QString& folder, const QString& path, const QByteArray& bytes);

// True when path, followed through every link that exists on its way, stays
// inside folder. A folder that does not exist holds nothing.
bool liesInside(const QString& folder, const QString& path);

// Many files written into one folder, such as a lesson pack or a class's
// tables: each is written whole as by writeInside, but the folder is searched
// for leftovers once, when the batch ends, rather than once a file.
class Batch {
public:
    explicit Batch(QString folder);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    Status writeInside(const QString& path, const QByteArray& bytes);

private:
    QString folder_;
    QSet<QString> written_;
};

// How long a temporary file must have stood still before a later writer takes
// it for a killed writer's leftover rather than one another program is writing.
inline constexpr int kLeftoverAgeSeconds = 300;

} // namespace wholefile

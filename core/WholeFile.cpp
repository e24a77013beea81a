#include "core/WholeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <filesystem>
#include <map>
#include <system_error>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace wholefile {

namespace {

// "<name>.mk-XXXXXX": the target's name, so leftovers can be found again.
const QString kTempMark = QStringLiteral(".mk-");

QString randomSuffix() {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString s;
    for (int i = 0; i < 6; ++i)
        s += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(36)]);
    return s;
}

bool syncToDisk(QFile& file) {
    if (!file.flush()) return false;
#ifndef Q_OS_WIN
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

// Opens a new file beside path that nobody else has; O_EXCL keeps two writers apart.
Result<QString> writeTemporary(const QString& path, const QByteArray& bytes) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        QFile file(path + kTempMark + randomSuffix());
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists()) continue;
            return Error{file.errorString()};
        }
        if (file.write(bytes) != bytes.size() || !syncToDisk(file)) {
            const QString why = file.errorString();
            file.close();
            file.remove();
            return Error{why};
        }
        file.close();
        return file.fileName();
    }
    return Error{QStringLiteral("no free temporary name beside ") + path};
}

// Removes the stale temporary files of the named targets in folder; one listing.
void removeLeftovers(const QDir& folder, const QSet<QString>& targetNames) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverAgeSeconds);
    const QString pattern = u'*' + kTempMark + QStringLiteral("??????");
    const auto entries = folder.entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& leftover : entries) {
        const QString target = leftover.fileName().chopped(kTempMark.size() + 6);
        if (targetNames.contains(target) && !leftover.isSymLink() &&
            leftover.lastModified().toUTC() < before)
            QFile::remove(leftover.absoluteFilePath());
    }
}

Status replaceWhole(const QString& path, const QByteArray& bytes) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) return Error{QStringLiteral("cannot create ") + folder};
    auto temporary = writeTemporary(path, bytes);
    if (!temporary) return temporary.error();
    std::error_code failed;
    std::filesystem::rename(QFile::encodeName(temporary.value()).toStdString(),
                            QFile::encodeName(path).toStdString(), failed);
    if (failed) {
        QFile::remove(temporary.value());
        return Error{QString::fromStdString(failed.message())};
    }
    return Ok{};
}

// The nearest folder on the way to path that exists, resolved, with the rest appended.
QString resolvedPath(const QString& path) {
    QFileInfo info(QDir::cleanPath(QDir(path).absolutePath()));
    if (info.exists() || info.isSymLink()) return info.canonicalFilePath();
    QStringList rest{info.fileName()};
    QFileInfo parent(info.absolutePath());
    while (!parent.exists() && !parent.isRoot()) {
        rest.prepend(parent.fileName());
        parent = QFileInfo(parent.absolutePath());
    }
    const QString base = parent.canonicalFilePath();
    if (base.isEmpty()) return {};
    return QDir::cleanPath(base + u'/' + rest.join(u'/'));
}

} // namespace

Status write(const QString& path, const QByteArray& bytes) {
    Status written = replaceWhole(path, bytes);
    if (written) removeLeftovers(QFileInfo(path).absoluteDir(), {QFileInfo(path).fileName()});
    return written;
}

bool liesInside(const QString& folder, const QString& path) {
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString target = resolvedPath(path);
    if (root.isEmpty() || target.isEmpty()) return false;
    return target.startsWith(root.endsWith(u'/') ? root : root + u'/');
}

Status writeInside(const QString& folder, const QString& path, const QByteArray& bytes) {
    if (!liesInside(folder, path)) return Error{path + QStringLiteral(" lies outside ") + folder};
    return write(path, bytes);
}

Batch::Batch(QString folder) : folder_(std::move(folder)) {}

Batch::~Batch() {
    // Each folder a batch wrote into is listed once, for all its files.
    std::map<QString, QSet<QString>> byFolder;
    for (const QString& path : written_)
        byFolder[QFileInfo(path).absolutePath()].insert(QFileInfo(path).fileName());
    for (const auto& [folder, names] : byFolder)
        removeLeftovers(QDir(folder), names);
}

Status Batch::writeInside(const QString& path, const QByteArray& bytes) {
    if (!liesInside(folder_, path)) return Error{path + QStringLiteral(" lies outside ") + folder_};
    Status written = replaceWhole(path, bytes);
    if (written) written_.insert(path);
    return written;
}

} // namespace wholefile

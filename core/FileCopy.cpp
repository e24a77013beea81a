#include "core/FileCopy.h"

#include "core/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace {

// Large enough to copy quickly, small enough that Cancel answers within a moment.
constexpr qint64 kChunk = 1 << 20;

enum class Step { Done, Skipped, Failed, Cancelled };

// Files only; a link counts when it stays inside the source folder.
QFileInfoList filesToCopy(const QString& sourceFolder, const QString& pattern) {
    const QDir source(sourceFolder);
    QFileInfoList files;
    const auto entries = source.entryInfoList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& f : entries)
        if (!f.isSymLink() || wholefile::liesInside(sourceFolder, f.absoluteFilePath())) files << f;
    return files;
}

class Copier {
public:
    Copier(const QString& targetFolder, CopyFeedback& feedback)
        : target_(targetFolder), feedback_(feedback) {}

    Step copy(const QFileInfo& source, int done) {
        const QString to = QDir(target_).filePath(source.fileName());
        const QFileInfo existing(to);
        if (existing.exists() || existing.isSymLink()) {
            const Step answer = replaceAnswer(source.fileName());
            if (answer != Step::Done) return answer;
        }
        if (!wholefile::liesInside(target_, to)) return Step::Failed;
        return copyWhole(source, to, done);
    }

private:
    Step replaceAnswer(const QString& name) {
        if (yesToAll_) return Step::Done;
        if (noToAll_) return Step::Skipped;
        switch (feedback_.askReplace(name)) {
        case ReplaceAnswer::Yes:
            return Step::Done;
        case ReplaceAnswer::YesToAll:
            yesToAll_ = true;
            return Step::Done;
        case ReplaceAnswer::No:
            return Step::Skipped;
        case ReplaceAnswer::NoToAll:
            noToAll_ = true;
            return Step::Skipped;
        case ReplaceAnswer::Cancel:
            break;
        }
        return Step::Cancelled;
    }

    // Chunk by chunk into a temporary file beside the target; the person may
    // cancel between chunks of a large file. The temporary file goes with
    // every way out but the rename.
    Step copyWhole(const QFileInfo& source, const QString& to, int done) {
        QFile in(source.absoluteFilePath());
        QTemporaryFile out(to + QStringLiteral(".mk-XXXXXX"));
        if (!in.open(QIODevice::ReadOnly) || !out.open()) return Step::Failed;
        out.setPermissions(in.permissions());
        for (qint64 left = in.size(); !in.atEnd();) {
            const QByteArray chunk = in.read(kChunk);
            if (chunk.isEmpty() || out.write(chunk) != chunk.size()) return Step::Failed;
            left -= chunk.size();
            if (left > 0 && !feedback_.progress(done, source.fileName())) return Step::Cancelled;
        }
        if (in.error() != QFileDevice::NoError || !out.flush()) return Step::Failed;
        out.close();
        std::error_code failed;
        std::filesystem::rename(QFile::encodeName(out.fileName()).toStdString(),
                                QFile::encodeName(to).toStdString(), failed);
        if (failed) return Step::Failed;
        out.setAutoRemove(false);
        return Step::Done;
    }

    QString target_;
    CopyFeedback& feedback_;
    bool yesToAll_ = false;
    bool noToAll_ = false;
};

} // namespace

CopyOutcome copyMatching(const QString& sourceFolder, const QString& pattern,
                         const QString& targetFolder, CopyFeedback& feedback) {
    const QFileInfoList files = filesToCopy(sourceFolder, pattern);
    Copier copier(targetFolder, feedback);
    feedback.begin(int(files.size()));
    CopyOutcome outcome = CopyOutcome::Copied;
    for (int done = 0; done < files.size() && outcome == CopyOutcome::Copied; ++done) {
        if (!feedback.progress(done, files[done].fileName())) {
            outcome = CopyOutcome::Cancelled;
            break;
        }
        const Step step = copier.copy(files[done], done);
        if (step == Step::Cancelled) outcome = CopyOutcome::Cancelled;
        if (step == Step::Failed) outcome = CopyOutcome::Failed;
    }
    feedback.end();
    return outcome;
}

Status copyFile(const QString& from, const QString& to) {
    QFile in(from);
    QTemporaryFile out(to + QStringLiteral(".mk-XXXXXX"));
    if (!in.open(QIODevice::ReadOnly)) return Error{in.errorString()};
    if (!out.open()) return Error{out.errorString()};
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) return Error{out.errorString()};
    }
    if (in.error() != QFileDevice::NoError || !out.flush()) return Error{in.errorString()};
    out.close();
    std::error_code failed;
    std::filesystem::rename(QFile::encodeName(out.fileName()).toStdString(),
                            QFile::encodeName(to).toStdString(), failed);
    if (failed) return Error{QString::fromStdString(failed.message())};
    out.setAutoRemove(false);
    return Ok{};
}

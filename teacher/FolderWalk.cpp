#include "teacher/FolderWalk.h"

#include <QDir>
#include <QFileInfo>

namespace folderwalk {
namespace {

constexpr qsizetype kNameBytes = 255;

bool hidden(const QFileInfo& f) {
    return f.fileName().startsWith(u'.') || f.isHidden();
}

bool skipped(const QString& name) {
    return name.endsWith(u".url"_qs, Qt::CaseInsensitive) || name.endsWith(u'.') ||
           name.endsWith(u"RX_Files"_qs);
}

class Walker {
public:
    Walker(const QString& root, const Hooks& hooks) : root_(root), hooks_(hooks) {}

    QStringList run() {
        walk(root_);
        found_ << root_;
        return found_;
    }

private:
    void walk(const QString& folder) {
        const QFileInfo self(folder);
        if (!self.isReadable() || !self.isExecutable()) return report(Problem::Unreadable);
        const QFileInfoList entries = QDir(folder).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& e : entries) {
            if (hooks_.step) hooks_.step();
            if (hidden(e)) continue;
            if (!fitsFileName(flatName(root_, e.filePath()))) return report(Problem::NameTooLong);
            if (skipped(e.fileName()) || e.isSymLink() || !e.isDir()) continue;
            found_ << e.filePath();
            walk(e.filePath());
        }
    }

    void report(Problem p) {
        if (hooks_.problem) hooks_.problem(p);
    }

    QString root_;
    const Hooks& hooks_;
    QStringList found_;
};

} // namespace

QStringList folders(const QString& root, const Hooks& hooks) {
    return Walker(QDir::cleanPath(root), hooks).run();
}

QStringList matchingFiles(const QString& folder, const QString& pattern) {
    // "*.*" means every file, also one whose name has no dot.
    const QString filter = pattern == u"*.*"_qs ? u"*"_qs : pattern;
    QStringList files;
    const QFileInfoList entries = QDir(folder).entryInfoList({filter}, QDir::Files, QDir::Name);
    for (const QFileInfo& f : entries)
        if (!hidden(f)) files << f.fileName();
    return files;
}

QString flatName(const QString& root, const QString& file) {
    const QString relative = QDir(root).relativeFilePath(file);
    return QString(relative).replace(u'/', u'&');
}

bool fitsFileName(const QString& name) {
    return QFile::encodeName(name).size() <= kNameBytes;
}

} // namespace folderwalk

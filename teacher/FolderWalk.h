#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The folder tree below a root, as the collect action walks it: depth first,
// a folder before its subfolders, the root itself last. Hidden entries,
// shortcut files, links to folders and collection folders ("RX_Files") are
// left out, so a link loop or an earlier collection is never walked.
namespace folderwalk {

enum class Problem {
    NameTooLong, // a flattened name would not fit one file name
    Unreadable,  // a folder that cannot be listed
};

struct Hooks {
    std::function<void()> step;           // after each entry
    std::function<void(Problem)> problem; // the walk of that folder ends
};

// root without a trailing separator.
QStringList folders(const QString& root, const Hooks& hooks);

// The ordinary, visible files of folder matching pattern, by name.
QStringList matchingFiles(const QString& folder, const QString& pattern);

// The path of file below root with every separator made "&": the name its
// copy gets in the collection folder.
QString flatName(const QString& root, const QString& file);
// Whether name fits one file name of this system (255 bytes).
bool fitsFileName(const QString& name);

} // namespace folderwalk

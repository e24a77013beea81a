#include "core/FileCopy.h"
#include "core/Folders.h"
#include "core/MkMain.h"
#include "core/RelativeName.h"
#include "core/WholeFile.h"
#include "teacher/FileLists.h"
#include "teacher/FileTool.h"
#include "teacher/FileToolTexts.h"
#include "teacher/FolderText.h"

#include <QFile>
#include <QFileInfo>

using foldertext::shown;
using foldertext::withSeparator;

namespace {

constexpr quint8 kQuestionKind = 5;

// Deletes folder + name and says what went wrong, if anything. A name that
// need not exist (an answer file, a generated number lesson) is no problem
// when it does not.
void removeFile(const QString& folder, const QString& name, bool mustExist, QStringList& problems) {
    const auto relative = relativeFileName(name);
    if (!relative) {
        if (mustExist) problems << filetool::notDeleted(shown(folder + name));
        return;
    }
    const QString path = folder + *relative;
    const QFileInfo file(path);
    if (!file.isFile() && !file.isSymLink()) {
        if (mustExist) problems << filetool::vanished(shown(path));
        return;
    }
    if (!QFile::remove(path)) problems << filetool::notDeleted(shown(path));
}

} // namespace

bool FileTool::asked(const QString& question) {
    mk.MessageText = question;
    return mk.ShowMessage(1) == MessageAnswer::Yes;
}

void FileTool::Go_Click() {
    switch (operation()) {
    case kCopyLessons:
    case kCopyHistories:
        return copyFolder();
    case kDeleteLesson:
        return deleteLesson();
    case kDeleteHistory:
        return deleteHistory();
    case kMoveLessons:
    case kMoveHistories:
        return changeActiveFolder();
    default:
        return;
    }
}

void FileTool::copyWithMessage(const QString& from, const QString& pattern, const QString& to) {
    const CopyOutcome outcome = copyMatching(from, pattern, to, mk.ports.copies);
    mk.ShowMessageText(outcome == CopyOutcome::Copied ? filetool::copied()
                                                      : filetool::copyFailed());
}

void FileTool::copyFolder() {
    if (Dir1.caption == Dir2.caption) return mk.ShowMessageText(filetool::sameFolder());
    const bool lessons = operation() == kCopyLessons;
    const QString from = withSeparator(Dir1.caption), to = withSeparator(Dir2.caption);
    if (!asked(filetool::askCopy(lessons, shown(from), shown(to)))) return;
    copyWithMessage(from, lessons ? u"*.txt"_qs : u"*.mkd"_qs, to);
}

void FileTool::deleteLesson() {
    const int i = List1.listIndex;
    if (Drv_Dir2.caption.isEmpty() || i < 0 || size_t(i) >= addedLessons.size())
        return mk.ShowMessageText(filetool::noLessonChosen());
    const QString folder = withSeparator(Dir1.caption);
    const CatalogueRecord chosen = addedLessons[size_t(i)];
    if (!asked(filetool::askDeleteLesson(shown(folder), chosen.title))) return;
    std::vector<CatalogueRecord> rest = addedLessons;
    rest.erase(rest.begin() + i);
    const QString list = folder + u"Lesson_List.Add.txt"_qs;
    const Status written = wholefile::writeInside(folder, list, filelists::addedLessonsFile(rest));
    if (!written)
        return mk.ShowMessageText(filetool::notWritten(shown(list), written.error().message));
    QStringList problems;
    // A name starting with "0" is a recipe for generated numbers, not a file.
    removeFile(folder, chosen.file, !chosen.file.startsWith(u'0'), problems);
    // Only a question lesson names a file there; the others hold an order flag,
    // and a file that happens to bear that name is not theirs.
    if (chosen.kind == kQuestionKind) removeFile(folder, chosen.file2, false, problems);
    mk.ShowMessageText(problems.isEmpty() ? filetool::lessonDeleted() : problems.join(u'\r'));
    loadLessonList();
}

void FileTool::deleteHistory() {
    const int i = List1.listIndex;
    if (Drv_Dir2.caption.isEmpty() || i < 0 || i >= historyFiles.size())
        return mk.ShowMessageText(filetool::noHistoryChosen());
    const QString folder = withSeparator(Dir1.caption);
    const QString fileName = historyFiles.at(i);
    if (!asked(filetool::askDeleteHistory(shown(folder), fileName))) return;
    QStringList problems;
    removeFile(folder, fileName, true, problems);
    mk.ShowMessageText(problems.isEmpty() ? filetool::historyDeleted() : problems.join(u'\r'));
    loadHistoryList();
}

void FileTool::changeActiveFolder() {
    const bool lessons = operation() == kMoveLessons;
    const QString target = withSeparator(Dir1.caption);
    if (!asked(filetool::askChangeFolder(lessons, shown(target)))) return;
    QString& active = lessons ? mk.LessonFolder : mk.DataFolder;
    if (asked(filetool::askCopyToNewFolder(lessons)))
        copyWithMessage(active, lessons ? u"*.txt"_qs : u"*.mkd"_qs, target);
    const QString before = std::exchange(active, target);
    const QString pathFile = mk.DefaultDataFolder + u"Path.dat"_qs;
    const Status written =
        wholefile::write(pathFile, writePathFile(mk.DataFolder, mk.LessonFolder));
    if (!written) {
        active = before; // the program keeps what Path.dat still says
        return mk.ShowMessageText(filetool::notWritten(shown(pathFile), written.error().message));
    }
    AF.caption = shown(active);
    mk.ShowMessageText(filetool::folderChanged(lessons));
}

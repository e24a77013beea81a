#include "core/FileCopy.h"
#include "core/MkMain.h"
#include "teacher/FolderWalk.h"
#include "teacher/HistoryTables.h"
#include "teacher/Renomix.h"

#include <QDir>

namespace {

const QString kCollection = u"RX_Files"_qs;
constexpr int kFailuresShown = 5;

QString walkMessage(folderwalk::Problem p) {
    if (p == folderwalk::Problem::NameTooLong)
        return u"生成ファイル名が255文字を超えました。\r長いフォルダ名やファイル名を短くするか、"
               u"\rフォルダの階層を少なくしてください。"_qs;
    return u"フォルダ名またはファイル名に識別不能な文字が含まれている可能性があります。\r"
           u"スペースなどを含むフォルダ名、ファイル名を訂正してください。"_qs;
}

// The first few failures, and how many more there were.
QString failureMessage(const QStringList& failures) {
    QString text = u"成績ＣＳＶファイルを作成できなかった個人履歴ファイルがあります。"_qs;
    for (const QString& f : failures.mid(0, kFailuresShown))
        text += u'\r' + f;
    if (failures.size() > kFailuresShown)
        text += u"\rほか%1件"_qs.arg(failures.size() - kFailuresShown);
    return text + u"\r正常終了できませんでした"_qs;
}

} // namespace

void Renomix::MKDCollect_Click() {
    pattern = u"*.mkd"_qs;
    refreshFiles();
    action = kCollectFiles;
    showCaptions();
    collectFiles();
    convertHistories();
    pattern = u"*.*"_qs;
    Combo1.listIndex = 0;
    setFolder(mk.programFolder);
    reset();
}

// Every matching file below the chosen folder into the collection folder,
// named by its path below that folder.
void Renomix::collectFiles() {
    failed = false;
    const QString root = Dir1.caption;
    if (!QDir(mk.programFolder).mkpath(kCollection)) failed = true;
    int entries = 0;
    const folderwalk::Hooks hooks{[&] { moveBar(ProgressBar1, ++entries % 100, 100); },
                                  [&](folderwalk::Problem p) {
                                      mk.ShowMessageText(walkMessage(p));
                                      failed = true;
                                  }};
    const QStringList folders = folderwalk::folders(root, hooks);
    moveBar(ProgressBar1, 1, 1);
    for (int i = 0; i < folders.size(); ++i) {
        copyFolder(root, folders[i]);
        moveBar(ProgressBar2, i + 1, int(folders.size()));
    }
    finish();
}

void Renomix::copyFolder(const QString& root, const QString& folder) {
    const QDir from(folder);
    const QDir to(mk.programFolder + kCollection);
    const QStringList files = folderwalk::matchingFiles(folder, pattern);
    moveBar(ProgressBar3, 0, int(files.size()));
    for (int i = 0; i < files.size(); ++i) {
        const QString source = from.filePath(files[i]);
        const QString flat = folderwalk::flatName(root, source);
        if (!folderwalk::fitsFileName(flat) || !copyFile(source, to.filePath(flat))) failed = true;
        moveBar(ProgressBar3, i + 1, int(files.size()));
    }
}

void Renomix::convertHistories() {
    const auto ask = [this](const QString& question) {
        mk.MessageText = question;
        return mk.ShowMessage(1) == MessageAnswer::Yes;
    };
    const auto progress = [this](int done, int total) { moveBar(ProgressBar3, done, total); };
    const historytables::Report report = historytables::convertCollection(
        mk.programFolder + kCollection + u'/', mk.LessonTitle, ask, progress);
    if (!report.failures.isEmpty()) mk.ShowMessageText(failureMessage(report.failures));
}

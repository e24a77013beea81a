#include "core/Folders.h"

#include "core/ItemText.h"
#include "core/Messages.h"
#include "core/MkMain.h"

#include <QFile>

Folders defaultFolders(const QString& programFolder) {
    const QString data = programFolder + QStringLiteral("MKData/");
    const QString lesson = programFolder + QStringLiteral("MKLesson/");
    return {data, lesson, data, lesson};
}

namespace {

// Paths are formed by appending a file name, so a folder must end with a separator.
QString asFolder(const QString& item) {
    if (item.endsWith(u'/') || item.endsWith(u'\\')) return item;
    return item + u'/';
}

} // namespace

Result<Folders> readPathFile(QIODevice& device, Folders folders) {
    auto reader = openItemText(device);
    if (!reader) return reader.error();
    const auto data = reader.value().next();
    const auto lesson = reader.value().next();
    if (!data || !lesson) return Error{QStringLiteral("Path.dat ends early")};
    if (!data->isEmpty()) folders.data = asFolder(*data);
    if (!lesson->isEmpty()) folders.lesson = asFolder(*lesson);
    return folders;
}

Result<Folders> resolveFolders(const QString& programFolder) {
    const Folders defaults = defaultFolders(programFolder);
    QFile file(defaults.defaultData + QStringLiteral("Path.dat"));
    if (!file.exists()) return defaults;
    if (!file.open(QIODevice::ReadOnly)) return Error{file.errorString()};
    return readPathFile(file, defaults);
}

QByteArray writePathFile(const QString& dataFolder, const QString& lessonFolder) {
    ItemWriter w;
    w.text(dataFolder).endRecord().text(lessonFolder).endRecord();
    return w.toCp932();
}

bool FixFolders(MkMain& mk) {
    const auto folders = resolveFolders(mk.programFolder);
    if (!folders) {
        mk.ShowMessageText(messages::brokenFile(QStringLiteral("Path.dat")));
        mk.windows.End(1);
        return false;
    }
    mk.DefaultDataFolder = folders.value().defaultData;
    mk.DefaultLessonFolder = folders.value().defaultLesson;
    mk.DataFolder = folders.value().data;
    mk.LessonFolder = folders.value().lesson;
    return true;
}

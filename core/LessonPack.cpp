#include "core/LessonPack.h"

#include "core/Cp932.h"
#include "core/ItemText.h"
#include "core/Messages.h"
#include "core/MkMain.h"
#include "core/RelativeName.h"
#include "core/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kPackName = QStringLiteral("Lesson");
const QString kMarkerName = QStringLiteral("MKOK");

Error damaged(const QString& why) {
    return Error{why};
}

} // namespace

Result<std::vector<PackedFile>> readLessonPack(QIODevice& device) {
    auto opened = openItemText(device);
    if (!opened) return opened.error();
    ItemReader& reader = opened.value();
    const auto count = nextAs(reader, toInt16);
    if (!count || *count < 0 || *count > kMaxPackedFiles)
        return damaged(QStringLiteral("bad file count"));
    std::vector<PackedFile> files(*count);
    std::vector<int> lineCounts(*count);
    for (int i = 0; i < *count; ++i) {
        const auto name = reader.next();
        const auto lines = nextAs(reader, toInt16);
        if (!name || !lines || *lines < 0) return damaged(QStringLiteral("bad header"));
        files[i].name = *name;
        lineCounts[i] = *lines;
    }
    for (int i = 0; i < *count; ++i) {
        for (int n = 0; n < lineCounts[i]; ++n) {
            auto line = reader.nextLine();
            if (!line) return damaged(QStringLiteral("pack ends early"));
            files[i].lines.append(*line);
        }
    }
    return files;
}

QByteArray writeLessonPack(const std::vector<PackedFile>& files) {
    ItemWriter w;
    w.number(qint64(files.size())).endRecord();
    for (const PackedFile& f : files)
        w.text(f.name).number(qint64(f.lines.size())).endRecord();
    for (const PackedFile& f : files)
        for (const QString& line : f.lines)
            w.line(line);
    return w.toCp932();
}

std::optional<float> readMarker(const QString& path) {
    auto reader = openItemText(path);
    if (!reader) return std::nullopt;
    std::optional<float> last;
    while (!reader.value().onlyBlankLinesLeft()) {
        const auto number = nextAs(reader.value(), toSingle);
        if (!number) return std::nullopt;
        last = number;
    }
    return last;
}

QByteArray writeMarker(float version) {
    ItemWriter w;
    w.number(version).endRecord();
    return w.toCp932();
}

namespace {

// A packed name may name a sub-folder but never a place outside the folder,
// nor the pack or its marker, which would undo the unpacking.
std::optional<QString> targetPath(const QString& folder, const QString& name) {
    const auto relative = relativeFileName(name);
    if (!relative) return std::nullopt;
    const auto same = [&](const QString& own) {
        return relative->compare(own, Qt::CaseInsensitive) == 0;
    };
    if (same(kPackName) || same(kMarkerName)) return std::nullopt;
    const QString path = folder + *relative;
    if (!wholefile::liesInside(folder, path)) return std::nullopt;
    return path;
}

QByteArray bodyOf(const PackedFile& f) {
    ItemWriter w;
    for (const QString& line : f.lines)
        w.line(line);
    return w.toCp932();
}

} // namespace

UnpackOutcome unpackLessons(const QString& folder, float version) {
    const QString markerPath = folder + kMarkerName;
    if (QFile::exists(markerPath) && readMarker(markerPath) == version)
        return UnpackOutcome::AlreadyCurrent;

    QFile pack(folder + kPackName);
    if (!pack.exists()) return UnpackOutcome::PackMissing;
    if (!pack.open(QIODevice::ReadOnly)) return UnpackOutcome::PackDamaged;
    const auto files = readLessonPack(pack);
    pack.close();
    if (!files) return UnpackOutcome::PackDamaged;

    // Check every name before the first file is written.
    std::vector<QString> targets;
    for (const PackedFile& f : files.value()) {
        const auto target = targetPath(folder, f.name);
        if (!target) return UnpackOutcome::PackDamaged;
        targets.push_back(*target);
    }
    if (!wholefile::liesInside(folder, markerPath)) return UnpackOutcome::PackDamaged;
    wholefile::Batch out(folder);
    for (size_t i = 0; i < targets.size(); ++i)
        if (!out.writeInside(targets[i], bodyOf(files.value()[i])))
            return UnpackOutcome::WriteFailed;
    if (!wholefile::writeInside(folder, markerPath, writeMarker(version)))
        return UnpackOutcome::WriteFailed;
    return UnpackOutcome::Unpacked;
}

void UnpackLessonPack(MkMain& mk) {
    const QString cr = messages::kCr;
    const QString goOn = QStringLiteral("登録済みのLessonでMarokeyを起動します。");
    switch (unpackLessons(mk.LessonFolder, mk.LessonPackVersion)) {
    case UnpackOutcome::AlreadyCurrent:
        return;
    case UnpackOutcome::Unpacked:
        mk.ShowMessageText(messages::kUnpacked);
        return;
    case UnpackOutcome::PackMissing:
        mk.ShowMessageText(QStringLiteral("Lessonファイルが見つかりません。") + cr + goOn);
        return;
    case UnpackOutcome::PackDamaged:
        mk.ShowMessageText(QStringLiteral("Lessonファイルが壊れています。") + cr + goOn);
        return;
    case UnpackOutcome::WriteFailed:
        mk.ShowMessageText(QStringLiteral("Lesson生成処理でファイルを書き込めませんでした。") + cr +
                           goOn);
        return;
    }
}

#include "core/Catalogue.h"

#include "core/ItemText.h"
#include "core/KeyTables.h"
#include "core/Messages.h"
#include "core/MkMain.h"

#include <QFile>

namespace {

Result<CatalogueRecord> readRecord(ItemReader& reader) {
    std::optional<QString> items[5];
    for (auto& item : items)
        item = reader.next();
    if (!items[4]) return Error{QStringLiteral("a record is cut short")};
    const auto kind = toByte(*items[3]);
    const auto factor = toSingle(*items[4]);
    if (!kind || !factor) return Error{QStringLiteral("a number does not fit its field")};
    return CatalogueRecord{*items[0], *items[1], *items[2], *kind, *factor};
}

} // namespace

Result<std::vector<CatalogueRecord>> readCatalogue(QIODevice& device, int maxRecords) {
    auto reader = openItemText(device);
    if (!reader) return reader.error();
    std::vector<CatalogueRecord> records;
    // Blank lines at the very end hold no record.
    while (!reader.value().onlyBlankLinesLeft()) {
        if (static_cast<int>(records.size()) >= maxRecords)
            return Error{QStringLiteral("too many records")};
        auto record = readRecord(reader.value());
        if (!record) return record.error();
        records.push_back(std::move(record).value());
    }
    return records;
}

Result<std::vector<CatalogueRecord>> readCatalogue(const QString& path, int maxRecords) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Error{file.errorString()};
    return readCatalogue(file, maxRecords);
}

QByteArray writeCatalogueRecord(const CatalogueRecord& r) {
    ItemWriter w;
    w.text(r.title).text(r.file).text(r.file2).number(qint64{r.kind}).number(r.factor);
    return w.endRecord().toCp932();
}

namespace {

bool loadCatalogueFile(MkMain& mk, const QString& fileName, int& next) {
    const auto records = readCatalogue(mk.LessonFolder + fileName, MkMain::kCatalogueSize - next);
    if (!records) return false;
    for (const CatalogueRecord& r : records.value()) {
        mk.LessonTitle[next] = r.title;
        mk.LessonFile[next] = r.file;
        mk.LessonFile2[next] = r.file2;
        mk.LessonKind[next] = r.kind;
        mk.LessonFactor[next] = r.factor;
        ++next;
    }
    return true;
}

} // namespace

bool LoadCatalogueAndKeys(MkMain& mk) {
    mk.ScoreHistory.clear();
    int next = 0;
    if (!loadCatalogueFile(mk, QStringLiteral("Lesson_List.txt"), next) ||
        !loadCatalogueFile(mk, QStringLiteral("Lesson_List.Add.txt"), next)) {
        mk.ShowMessageText(mk.DefaultLessonFolder);
        mk.ShowMessageText(messages::brokenFile(QStringLiteral("Lesson_List.txt")));
        mk.windows.End(1);
        return false;
    }
    mk.LastLessonIndex = static_cast<qint16>(next - 1);

    const auto keys = readKeyDefine(mk.DefaultDataFolder + QStringLiteral("KEY_DEFINE.DAT"));
    if (!keys) {
        mk.ShowMessageText(messages::brokenFile(QStringLiteral("KEY_DEFINE.DAT")));
        mk.windows.End(1);
        return false;
    }
    mk.KeyLabelIndex = keys.value().labelIndex;
    mk.KeyFinger = keys.value().finger;
    mk.KeyShift = keys.value().shift;
    return true;
}

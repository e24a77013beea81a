#include "authoring/NewLesson.h"

#include "core/Cp932.h"
#include "core/ItemText.h"
#include "core/WholeFile.h"

#include <QFile>
#include <QRegularExpression>

namespace newlesson {

namespace {

constexpr int kTitleColumns = 28;

// The bytes already in the file; a missing file holds none.
Result<QByteArray> existingBytes(const QString& path) {
    QFile file(path);
    if (!file.exists()) return QByteArray();
    if (!file.open(QIODevice::ReadOnly)) return Error{file.errorString()};
    return file.readAll();
}

Status appendLine(const QString& folder, const QByteArray& line) {
    const QString path = folder + kCatalogueFile;
    auto bytes = existingBytes(path);
    if (!bytes) return bytes.error();
    // A last record someone saved without its line end must not swallow the new one.
    QByteArray all = std::move(bytes).value();
    if (!all.isEmpty() && !all.endsWith('\n') && !all.endsWith('\r')) all += "\r\n";
    return wholefile::writeInside(folder, path, all + line);
}

} // namespace

QString catalogueTitle(const QString& title) {
    QString shown = title.left(kTitleColumns);
    const qsizetype n = shown.size();
    if (n < kTitleColumns / 2) shown += QString(kTitleColumns - 2 * n, u' ');
    return shown;
}

QByteArray catalogueLine(const NewLesson& lesson) {
    ItemWriter w;
    w.text(catalogueTitle(lesson.title));
    // A question lesson names its questions first and its answers second; an
    // ordinary one has its order number, bare, in the second place.
    if (lesson.isQuestionLesson())
        w.text(lesson.questionFileName()).text(lesson.textFileName());
    else
        w.text(lesson.textFileName()).number(qint64{lesson.order});
    w.number(qint64{lesson.kind}).number(static_cast<float>(lesson.difficulty));
    return w.endRecord().toCp932();
}

QByteArray fileText(const QString& boxText) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QString text = boxText;
    text.replace(lineEnd, QStringLiteral("\r\n"));
    return cp932::encode(text + QStringLiteral("\r\n"));
}

Status write(const QString& folder, const NewLesson& lesson) {
    Status done =
        wholefile::writeInside(folder, folder + lesson.textFileName(), fileText(lesson.text));
    if (done && lesson.isQuestionLesson())
        done = wholefile::writeInside(folder, folder + lesson.questionFileName(),
                                      fileText(lesson.questions));
    if (!done) return done;
    return appendLine(folder, catalogueLine(lesson));
}

} // namespace newlesson

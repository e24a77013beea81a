#include "engine/LessonText.h"

#include "core/Cp932.h"
#include "core/ItemText.h"
#include "core/Ports.h"
#include "core/RelativeName.h"
#include "core/WholeFile.h"

#include <cmath>

namespace lessontext {

Result<QStringList> readFields(const QString& folder, const QString& name, bool skipEmpty) {
    const auto relative = relativeFileName(name);
    if (!relative || !wholefile::liesInside(folder, folder + *relative))
        return Error{name + QStringLiteral(": not a file of the lesson folder")};
    auto opened = openItemText(folder + *relative);
    if (!opened) return opened.error();
    ItemReader& reader = opened.value();
    QStringList lines;
    while (!reader.atEnd()) {
        if (lines.size() == kMaxLines) return Error{QStringLiteral("more than 500 lines")};
        QString field = *reader.next();
        if (field.isEmpty() && skipEmpty) continue;
        lines << field;
    }
    return lines;
}

bool isNumberRecipe(const QString& lessonFile) {
    return lessonFile.startsWith(u'0');
}

std::optional<NumberRecipe> parseNumberRecipe(const QString& lessonFile) {
    if (!isNumberRecipe(lessonFile) || lessonFile.size() < 2) return std::nullopt;
    const int digits = lessonFile.at(1).digitValue();
    bool ok = false;
    const int count = lessonFile.right(4).toInt(&ok);
    // Up to nine digits keeps every number within a 32-bit integer.
    if (digits < 1 || digits > 9 || !ok || count < 0) return std::nullopt;
    return NumberRecipe{digits, count};
}

QStringList makeNumbers(const NumberRecipe& recipe, RandomSource& random) {
    const double low = std::pow(10.0, recipe.digits - 1);
    const double high = std::pow(10.0, recipe.digits);
    QStringList lines;
    for (int i = 0; i < recipe.count; ++i) {
        const auto value = static_cast<qint64>((high - low) * random.next() + low);
        lines << QString::number(value);
    }
    return lines;
}

Status writeLines(const QString& folder, const QString& name, const QStringList& lines) {
    ItemWriter w;
    for (const QString& line : lines)
        w.line(line);
    return wholefile::writeInside(folder, folder + name, w.toCp932());
}

void shuffle(QStringList& lines, QStringList& answers, RandomSource& random) {
    const int count = static_cast<int>(lines.size());
    if (count < 2) return; // no second line to swap with
    while (answers.size() < count)
        answers << QString();
    const auto draw = [&] { return static_cast<int>(random.next() * count); };
    for (long long n = 0; n < static_cast<long long>(count) * count; ++n) {
        const int a = draw();
        int b = draw();
        // A generator stuck on one value must not hang the lesson.
        for (int tries = 0; b == a && tries < 1000; ++tries)
            b = draw();
        if (b == a) b = (a + 1) % count;
        lines.swapItemsAt(a, b);
        answers.swapItemsAt(a, b);
    }
}

qint16 countChars(const QStringList& lines) {
    qint64 total = 0;
    for (const QString& line : lines)
        total += line.size();
    return static_cast<qint16>(std::min<qint64>(total, 32767));
}

} // namespace lessontext

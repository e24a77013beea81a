#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

class RandomSource;

// Lesson text files: comma-separated fields, one lesson line each.
namespace lessontext {

inline constexpr int kMaxLines = 500;

// Reads the fields of a lesson text file. Empty fields are skipped when
// skipEmpty is set (lesson lines) and kept otherwise (answers). A field
// beyond the 500th line, even an empty one, is an error.
Result<QStringList> readFields(const QString& path, bool skipEmpty);

// A number-lesson recipe: "0", the digit count, ..., the count in its last four characters.
struct NumberRecipe {
    int digits = 0;
    int count = 0;
};
bool isNumberRecipe(const QString& lessonFile);
std::optional<NumberRecipe> parseNumberRecipe(const QString& lessonFile);
// The lines of a generated number lesson: count numbers of exactly digits digits.
QStringList makeNumbers(const NumberRecipe& recipe, RandomSource& random);
// Writes lines whole as a lesson file (CP932, CR LF).
Status writeLines(const QString& path, const QStringList& lines);

// Swaps lines (and answers in step) LineCount squared times; a single line stays.
void shuffle(QStringList& lines, QStringList& answers, RandomSource& random);

// Characters as the lesson counts them, bounded to a 16-bit counter.
qint16 countChars(const QStringList& lines);

} // namespace lessontext

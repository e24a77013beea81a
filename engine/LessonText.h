#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

class RandomSource;

// Lesson text files: comma-separated fields, one lesson line each.
namespace lessontext {

inline constexpr int kMaxLines = 500;

// Reads the fields of the lesson text file name in folder. Empty fields are
// skipped when skipEmpty is set (lesson lines) and kept otherwise (answers).
// A field beyond the 500th line, even an empty one, is an error, and so is a
// name that leads out of the folder: it reads as a missing file.
Result<QStringList> readFields(const QString& folder, const QString& name, bool skipEmpty);

// A number-lesson recipe: "0", the digit count, ..., the count in its last four characters.
struct NumberRecipe {
    int digits = 0;
    int count = 0;
};
bool isNumberRecipe(const QString& lessonFile);
std::optional<NumberRecipe> parseNumberRecipe(const QString& lessonFile);
// The lines of a generated number lesson: count numbers of exactly digits digits.
QStringList makeNumbers(const NumberRecipe& recipe, RandomSource& random);
// Writes lines whole as the lesson file name in folder (CP932, CR LF); refused
// when a link would carry the file out of the folder.
Status writeLines(const QString& folder, const QString& name, const QStringList& lines);

// Swaps lines (and answers in step) LineCount squared times; a single line stays.
void shuffle(QStringList& lines, QStringList& answers, RandomSource& random);

// Characters as the lesson counts them, bounded to a 16-bit counter.
qint16 countChars(const QStringList& lines);

} // namespace lessontext

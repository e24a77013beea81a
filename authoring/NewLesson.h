#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>

// A lesson a teacher has put together, and the files that carry it: the
// lesson text, for a question lesson the question text, and one line added
// to the additions catalogue.
struct NewLesson {
    QString title; // as typed, look-alikes folded; names the files
    int kind = 1;  // menu tab 1..6; 5 is a question lesson
    int order = 1; // 1 as written, 2 shuffled; unused by question lessons
    double difficulty = 1.0;
    QString text;      // the lesson text, or the answers of a question lesson
    QString questions; // question lessons only

    static constexpr int kQuestionKind = 5;
    bool isQuestionLesson() const { return kind == kQuestionKind; }
    QString textFileName() const { return title + QStringLiteral(".MKL.txt"); }
    QString questionFileName() const { return title + QStringLiteral(".MKM.txt"); }
};

namespace newlesson {

inline const QString kCatalogueFile = QStringLiteral("Lesson_List.Add.txt");

// The title as the menu lists it: its first 28 characters, and a short one
// padded with two blanks for each missing character below 14, so that a
// full-width title fills the same columns as a half-width one.
QString catalogueTitle(const QString& title);

// The catalogue record, CR LF included, in the code page of the files.
QByteArray catalogueLine(const NewLesson& lesson);

// Box text as a lesson file: every line end made CR LF, one more CR LF at the end.
QByteArray fileText(const QString& boxText);

// Writes the lesson files, each whole, and only then appends the catalogue
// line, so that a failure never leaves a line naming a file that is not there.
Status write(const QString& folder, const NewLesson& lesson);

} // namespace newlesson

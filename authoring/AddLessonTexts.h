#pragma once

#include "core/FileNames.h"

#include <QString>
#include <array>

// The words of the lesson authoring window.
namespace addlesson {

// The help of each step, indexed by step; the text steps have none.
std::array<QString, 7> helpTexts();

QString difficultyRefused();
QString noText();
// Text the lesson files cannot hold would be lost when written.
QString textRefused();
QString created();
QString titleRefused(filenames::Problem problem);
QString writeFailed(const QString& folder);

} // namespace addlesson

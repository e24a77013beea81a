#pragma once

#include <QString>

// The arithmetic and texts of a finished run.
namespace results {

// Certification-equivalent characters per ten minutes, bounded to 0..32767 so
// that a zero or negative run time or a very short run still gives results.
qint16 tenMinuteCount(int totalChars, float factor, float elapsedSeconds);
QString grade(qint16 tenMinuteCount);
// An eighth of the count, a fifth of what is left taken per miss, at most 100.
qint16 score(qint16 tenMinuteCount, int misses);

// Two lines joined by CR LF, for the results panel.
QString experienceText(int gained, int total, int count, const QString& grade);
// Three lines joined by CR, for the compact window's message.
QString compactExperienceText(int gained, int total, int count);

struct Summary {
    QString title;
    int grade = 0; // school year
    int classNo = 0;
    int pupilNo = 0;
    QString name;
    QString elapsedCaption;
    QString missCaption;
    int score = 0;
    int totalExperience = 0;
    int tenMinuteCount = 0;
    QString level;
    QString experienceText;
};
// The ten lines of the results panel.
QString panelText(const Summary& s);
// The page Print sends: four empty lines, then the summary lines spaced by empty ones.
QString printText(const Summary& s);

// Seconds with one decimal ("###0.0").
QString formatSeconds(double seconds);

} // namespace results

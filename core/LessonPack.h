#pragma once

#include "core/Result.h"

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class MkMain;

// The lesson pack "Lesson": a count, then (name, line count) headers, then the
// bodies of all files in header order as raw lines.
struct PackedFile {
    QString name; // relative to the lesson folder
    QStringList lines;
};

inline constexpr int kMaxPackedFiles = 1000;

Result<std::vector<PackedFile>> readLessonPack(QIODevice& device);
QByteArray writeLessonPack(const std::vector<PackedFile>& files);

// The version recorded in the marker "MKOK": the last number it holds.
std::optional<float> readMarker(const QString& path);
QByteArray writeMarker(float version);

enum class UnpackOutcome { AlreadyCurrent, Unpacked, PackMissing, PackDamaged, WriteFailed };

// Unpacks the pack of lessonFolder unless its marker holds version. Every file
// is written whole; the marker is written only after all of them.
UnpackOutcome unpackLessons(const QString& lessonFolder, float version);

// The start-up step: unpacks and tells the user how it went.
void UnpackLessonPack(MkMain& mk);

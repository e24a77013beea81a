#pragma once

#include <QString>

// The file to play for `path`. Our scores (.mid) are rendered at build time
// to an .ogg beside them, which plays without the synthesizer; a score with
// no rendering, or one edited since (the .ogg older than it by more than the
// 2 s a copy may shift the times), plays as itself.
QString playableFile(const QString& path);

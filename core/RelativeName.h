#pragma once

#include <QString>
#include <optional>

// A file name that a file holds (a catalogue entry, a pack header) as a path
// below the folder it is meant for: either separator becomes "/" and "." steps
// go. Absolute names, drive letters, names that climb out with "..", and names
// of a folder rather than a file are refused, so no file's content can point
// the program outside its folder.
std::optional<QString> relativeFileName(const QString& name);

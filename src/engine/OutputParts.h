#pragma once
// How a long recording's files are named as it goes on from one file into the next.

#include <QString>

// "take.wav" part 3 is "take-3.wav": the number goes before the extension, if any. Part 1
// is the path itself.
QString PartPath(const QString& path, int part);

#pragma once
// How a long recording's files are named as it goes on from one file into the next.

#include <QString>

#include <cstdint>

// "take.wav" part 3 is "take-3.wav": the number goes before the extension, if any. Part 1
// is the path itself.
QString PartPath(const QString& path, int part);
// "scanner.wav" for sound that began at ms (milliseconds since 1970, UTC) is
// "scanner_2026-12-09_07-00-03.250.wav", in local time: the time goes before the extension.
QString SoundFilePath(const QString& path, std::int64_t ms);

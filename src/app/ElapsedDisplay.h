#pragma once
// The texts under the pages while recording: the time recorded and the file's size.

#include <QString>

#include <cstdint>

// "Time: HH:MM:SS", the hours counted modulo 24.
QString ElapsedTimeText(std::int64_t seconds);
// "HH:MM:SS", the hours counted on past 24.
QString LengthText(std::int64_t seconds);
// "Size: nKB" for the file at path (whole KiB, rounded down); empty when there is no such file.
QString FileSizeText(const QString& path);

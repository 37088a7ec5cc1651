#pragma once
// Reads a WAV file whole for checks: the header fields and the sample bytes.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

struct ParsedWave {
    QByteArray bytes; // the whole file
    std::uint32_t riffSize = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t bytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bits = 0;
    std::uint32_t dataSize = 0;
    QByteArray data; // dataSize bytes from offset 46 (fewer if the file is shorter)
};

// Parses the recorder's own 46-byte layout strictly; nullopt when the file is not one.
std::optional<ParsedWave> ReadRecordedWave(const QString& path);

// The file at path is a finished recording: its two sizes tell the length it has.
bool HasTrueSizes(const QString& path);
bool HasTrueSizes(const ParsedWave& wave);

// The sound of each part of a recording, "<stem>.wav", "<stem>-2.wav", ..., in order, up
// to the first that is missing or not a finished recording.
std::vector<QByteArray> RecordedParts(const QString& stem);

std::uint16_t Le16(const QByteArray& b, int offset);
std::uint32_t Le32(const QByteArray& b, int offset);

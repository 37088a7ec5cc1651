#pragma once
// Reads recorded FLAC and Opus files back with the command-line tools a user would use,
// independent of the code that wrote them.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

struct ToolOutput {
    int exitCode = -1;
    QByteArray pcm;
    QString errors;
};

// 16-bit signed little-endian samples: "flac" gives them as they were captured, "opusdec" at
// 48 kHz.
ToolOutput DecodeWithTool(const QString& tool, const QString& path);

// Runs a tool that makes a file (an encoder); true when it says it succeeded.
bool RunTool(const QString& tool, const QStringList& args);

// Any format ffmpeg reads, as 16-bit interleaved samples at the file's own rate (Opus at
// 48 kHz), with that rate and the channels.
struct ToolSound {
    int exitCode = -1;
    std::uint32_t rate = 0;
    int channels = 0;
    QByteArray pcm;
    QString errors;
    qsizetype Frames() const { return channels ? pcm.size() / (2 * channels) : 0; }
};
ToolSound DecodeWithFfmpeg(const QString& path);

// One channel of 16-bit interleaved samples.
std::vector<int> Channel16(const QByteArray& pcm, int channels, int channel);

// The file's tag of that name (lower case), as ffprobe shows it; empty when it has none.
QString FileTag(const QString& path, const char* name);

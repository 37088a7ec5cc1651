// Decoding with the command-line tools, and reading the tags with theirs.

#include "support/ToolDecode.h"

#include "support/WaveFile.h"

#include <QProcess>

#include <cstring>

namespace {

// Runs a tool to its end, or for two minutes at most, keeping what it wrote.
ToolOutput Run(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    ToolOutput out;
    if (!p.waitForFinished(120000))
        return out;
    out.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    out.pcm = p.readAllStandardOutput();
    out.errors = QString::fromLocal8Bit(p.readAllStandardError());
    return out;
}

} // namespace

ToolOutput DecodeWithTool(const QString& tool, const QString& path)
{
    QStringList args;
    if (tool == QStringLiteral("flac")) {
        args = {QStringLiteral("-d"), QStringLiteral("-s"), QStringLiteral("-c"), QStringLiteral("--force-raw-format"),
                QStringLiteral("--endian=little"), QStringLiteral("--sign=signed"), path};
    } else {
        args = {QStringLiteral("--quiet"), QStringLiteral("--rate"), QStringLiteral("48000"),
                QStringLiteral("--no-dither"), path, QStringLiteral("-")};
    }
    return Run(tool, args);
}

bool RunTool(const QString& tool, const QStringList& args)
{
    return Run(tool, args).exitCode == 0;
}

std::vector<int> Channel16(const QByteArray& pcm, int channels, int channel)
{
    std::vector<int> out;
    const qsizetype frame = 2 * channels;
    for (qsizetype at = 2 * channel; at + 1 < pcm.size(); at += frame) {
        std::int16_t v = 0;
        std::memcpy(&v, pcm.constData() + at, 2);
        out.push_back(v);
    }
    return out;
}

QString FileTag(const QString& path, const char* name)
{
    // FLAC keeps its tags with the file, Ogg Opus with its stream.
    const ToolOutput probe =
        Run(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                                        QStringLiteral("format_tags:stream_tags"), QStringLiteral("-of"),
                                        QStringLiteral("default=nw=1"), path});
    const QByteArray key = "tag:" + QByteArray(name).toLower() + '=';
    for (const QByteArray& line : probe.pcm.split('\n'))
        if (line.trimmed().toLower().startsWith(key))
            return QString::fromUtf8(line.trimmed().mid(key.size()));
    return {};
}

ToolSound DecodeWithFfmpeg(const QString& path)
{
    const ToolOutput run =
        Run(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
                                       QStringLiteral("-bitexact"), QStringLiteral("-map_metadata"), QStringLiteral("-1"),
                                       QStringLiteral("-acodec"), QStringLiteral("pcm_s16le"), QStringLiteral("-f"),
                                       QStringLiteral("wav"), QStringLiteral("-")});
    ToolSound out;
    out.exitCode = run.exitCode;
    out.errors = run.errors;
    // The WAV ffmpeg writes to a pipe: its chunks in turn, the sound running to the end.
    const QByteArray& wav = run.pcm;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const int field = static_cast<int>(at); // ffmpeg's output here is far below 2 GB
        const std::uint32_t size = Le32(wav, field + 4);
        if (id == "fmt " && at + 16 <= wav.size()) {
            out.channels = Le16(wav, field + 10);
            out.rate = Le32(wav, field + 12);
        } else if (id == "data") {
            out.pcm = wav.mid(at + 8);
            break;
        }
        at += 8 + size + size % 2;
    }
    return out;
}

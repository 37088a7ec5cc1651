// Decoding with the command-line tools, and reading the tags with theirs.

#include "support/ToolDecode.h"

#include <QProcess>

#include <cstring>

ToolOutput DecodeWithTool(const QString& tool, const QString& path, int bits)
{
    QStringList args;
    if (tool == QStringLiteral("flac")) {
        args = {QStringLiteral("-d"), QStringLiteral("-s"), QStringLiteral("-c"), QStringLiteral("--force-raw-format"),
                QStringLiteral("--endian=little"),
                bits == 8 ? QStringLiteral("--sign=unsigned") : QStringLiteral("--sign=signed"), path};
    } else if (tool == QStringLiteral("opusdec")) {
        args = {QStringLiteral("--quiet"), QStringLiteral("--rate"), QStringLiteral("48000"),
                QStringLiteral("--no-dither"), path, QStringLiteral("-")};
    } else {
        args = {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path, QStringLiteral("-f"),
                QStringLiteral("s16le"), QStringLiteral("-acodec"), QStringLiteral("pcm_s16le"), QStringLiteral("-")};
    }
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

bool RunTool(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
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
    const bool flac = path.endsWith(QStringLiteral(".flac"));
    QProcess p;
    p.start(flac ? QStringLiteral("metaflac") : QStringLiteral("opusinfo"),
            flac ? QStringList{QStringLiteral("--export-tags-to=-"), path} : QStringList{path});
    p.waitForFinished(60000);
    const QByteArray key = QByteArray(name) + '=';
    for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
        if (line.trimmed().startsWith(key))
            return QString::fromUtf8(line.trimmed().mid(key.size()));
    return {};
}

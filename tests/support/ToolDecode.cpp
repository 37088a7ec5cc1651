// Decoding with the command-line tools, and the tags through the reference libraries.

#include "support/ToolDecode.h"

#include <FLAC/metadata.h>
#include <opus/opusfile.h>

#include <QFile>
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
    const QByteArray file = QFile::encodeName(path);
    const std::size_t length = std::strlen(name);
    QString value;
    if (path.endsWith(QStringLiteral(".flac"))) {
        FLAC__StreamMetadata* tags = nullptr;
        if (!FLAC__metadata_get_tags(file.constData(), &tags))
            return {};
        const auto& vc = tags->data.vorbis_comment;
        for (FLAC__uint32 i = 0; i < vc.num_comments; ++i) {
            const QByteArray entry(reinterpret_cast<const char*>(vc.comments[i].entry),
                                   static_cast<qsizetype>(vc.comments[i].length));
            if (entry.size() > static_cast<qsizetype>(length) && entry.startsWith(name) && entry[length] == '=')
                value = QString::fromUtf8(entry.mid(static_cast<qsizetype>(length) + 1));
        }
        FLAC__metadata_object_delete(tags);
        return value;
    }
    int error = 0;
    OggOpusFile* of = op_open_file(file.constData(), &error);
    if (!of)
        return {};
    if (const char* v = opus_tags_query(op_tags(of, -1), name, 0))
        value = QString::fromUtf8(v);
    op_free(of);
    return value;
}

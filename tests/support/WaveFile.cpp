#include "support/WaveFile.h"

#include <QFile>

std::uint16_t Le16(const QByteArray& b, int o)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[o]) | (static_cast<std::uint8_t>(b[o + 1]) << 8));
}

std::uint32_t Le32(const QByteArray& b, int o)
{
    return static_cast<std::uint32_t>(Le16(b, o)) | (static_cast<std::uint32_t>(Le16(b, o + 2)) << 16);
}

std::optional<ParsedWave> ReadRecordedWave(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    ParsedWave w;
    w.bytes = f.readAll();
    const QByteArray& b = w.bytes;
    if (b.size() < 46 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" || b.mid(12, 4) != "fmt " ||
        Le32(b, 16) != 18 || b.mid(38, 4) != "data")
        return std::nullopt;
    w.riffSize = Le32(b, 4);
    w.channels = Le16(b, 22);
    w.rate = Le32(b, 24);
    w.bytesPerSecond = Le32(b, 28);
    w.blockAlign = Le16(b, 32);
    w.bits = Le16(b, 34);
    w.dataSize = Le32(b, 42);
    w.data = b.mid(46, static_cast<qsizetype>(w.dataSize));
    return w;
}

bool HasTrueSizes(const QString& path)
{
    const auto w = ReadRecordedWave(path);
    return w && HasTrueSizes(*w);
}

bool HasTrueSizes(const ParsedWave& w)
{
    const auto size = static_cast<std::uint64_t>(w.bytes.size());
    return w.riffSize == size - 8 && 46u + w.dataSize + (w.dataSize & 1u) == size;
}

std::vector<QByteArray> RecordedParts(const QString& stem)
{
    std::vector<QByteArray> parts;
    for (int part = 1;; ++part) {
        const QString path = part == 1 ? stem + QStringLiteral(".wav") : QStringLiteral("%1-%2.wav").arg(stem).arg(part);
        if (!HasTrueSizes(path))
            return parts;
        parts.push_back(ReadRecordedWave(path)->data);
    }
}

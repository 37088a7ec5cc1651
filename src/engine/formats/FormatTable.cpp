// The format table.

#include "engine/formats/FormatTable.h"

#include "engine/decoders/FlacDecoder.h"
#include "engine/decoders/Mp3Decoder.h"
#include "engine/decoders/OpusDecoder.h"
#include "engine/decoders/WaveDecoder.h"
#include "engine/formats/FlacOutput.h"
#include "engine/formats/Mp3Output.h"
#include "engine/formats/OpusOutput.h"
#include "engine/formats/WaveOutput.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

template <typename T, typename Base>
std::unique_ptr<Base> Make()
{
    return std::make_unique<T>();
}

constexpr std::uint32_t EIGHT_AND_SIXTEEN = (1u << 8) | (1u << 16);

std::uint64_t WaveBytes(std::uint32_t rate, std::uint16_t bits, std::uint16_t channels)
{
    return std::uint64_t{rate} * channels * (bits / 8u);
}

std::uint64_t Mp3Bytes(std::uint32_t, std::uint16_t, std::uint16_t)
{
    return Mp3Output::BITRATE_KBPS * 1000 / 8;
}

// Level 5 keeps 56% to 60% of speech and music recorded at 16 kHz mono, less at higher
// rates and in stereo; noisier sound keeps more. 65% leaves room for that.
constexpr std::uint64_t FLAC_PERCENT_OF_WAVE = 65;

std::uint64_t FlacBytes(std::uint32_t rate, std::uint16_t bits, std::uint16_t channels)
{
    return (WaveBytes(rate, bits, channels) * FLAC_PERCENT_OF_WAVE + 99) / 100;
}

// The encoder's rate varies a little above its aim (2% to 9% with speech and music, the
// pages' headers included): 10% more.
constexpr std::uint64_t OPUS_PERCENT_OF_BITRATE = 110;

std::uint64_t OpusBytes(std::uint32_t, std::uint16_t, std::uint16_t channels)
{
    return std::uint64_t{OpusOutput::BITRATE_PER_CHANNEL} * channels / 8 * OPUS_PERCENT_OF_BITRATE / 100;
}

// The filters are translated as wholes: a translation changes the text before each
// pattern, never the patterns.
const FormatRow FORMATS[] = {
    {FileType::Mp3, "mp3", "mp3", {"mp3", nullptr}, QT_TRANSLATE_NOOP("FileFilter", "mp3 files(*.mp3)|*.mp3||"),
     QT_TRANSLATE_NOOP("FileFilter", "MP3 files(*.mp3)|*.mp3"), 1, 1u << 16, 8000, 48000,
     &Make<Mp3Output, IOutputFile>, &Make<Mp3Decoder, ISoundDecoder>, &Mp3Bytes},
    {FileType::Wave, "wave", "wav", {"wav", "wave"},
     QT_TRANSLATE_NOOP("FileFilter", "wav files(*.wav)|*.wav|wave files(*.wave)|*.wave||"),
     QT_TRANSLATE_NOOP("FileFilter", "Wave files(*.wav)|*.wav"), 0, EIGHT_AND_SIXTEEN, 8000, 48000,
     &Make<WaveOutput, IOutputFile>, &Make<WaveDecoder, ISoundDecoder>, &WaveBytes},
    {FileType::Flac, "flac", "flac", {"flac", nullptr}, QT_TRANSLATE_NOOP("FileFilter", "flac files(*.flac)|*.flac||"),
     QT_TRANSLATE_NOOP("FileFilter", "FLAC files(*.flac)|*.flac"), 2, EIGHT_AND_SIXTEEN, 8000, 48000,
     &Make<FlacOutput, IOutputFile>, &Make<FlacDecoder, ISoundDecoder>, &FlacBytes},
    {FileType::Opus, "opus", "opus", {"opus", nullptr}, QT_TRANSLATE_NOOP("FileFilter", "opus files(*.opus)|*.opus||"),
     QT_TRANSLATE_NOOP("FileFilter", "Opus files(*.opus)|*.opus"), 3, EIGHT_AND_SIXTEEN, 8000, 48000,
     &Make<OpusOutput, IOutputFile>, &Make<OpusDecoder, ISoundDecoder>, &OpusBytes},
};

} // namespace

QString FormatRow::Refusal(std::uint16_t bits, std::uint32_t rate) const
{
    if (bits >= 32 || !(bitsMask & (1u << bits)))
        return QCoreApplication::translate("Output", "Cannot record %1 bits %2").arg(bits).arg(QLatin1String(entry));
    if (rate < lowestRate || rate > highestRate)
        return QCoreApplication::translate("Output", "Cannot record %1 Hz %2").arg(rate).arg(QLatin1String(entry));
    return {};
}

bool FormatRow::HasExtension(const QString& lowerExtension) const
{
    return std::any_of(std::begin(extensions), std::end(extensions),
                       [&](const char* e) { return e && lowerExtension == QLatin1String(e); });
}

std::span<const FormatRow> Formats()
{
    return FORMATS;
}

const FormatRow& FormatOfPath(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        const QString extension = name.mid(dot + 1).toLower();
        for (const FormatRow& row : FORMATS)
            if (row.HasExtension(extension))
                return row;
    }
    return *FormatOfType(FileType::Wave);
}

const FormatRow* FormatOfType(FileType type)
{
    for (const FormatRow& row : FORMATS)
        if (row.type == type)
            return &row;
    return nullptr;
}

const FormatRow* FormatOfEntry(const QString& entry)
{
    for (const FormatRow& row : FORMATS)
        if (entry == QLatin1String(row.entry))
            return &row;
    return nullptr;
}

QString PlayFilter()
{
    std::vector<const FormatRow*> rows;
    for (const FormatRow& row : FORMATS)
        rows.push_back(&row);
    std::sort(rows.begin(), rows.end(), [](const FormatRow* a, const FormatRow* b) { return a->playOrder < b->playOrder; });
    QStringList patterns;
    QStringList each;
    for (const FormatRow* row : rows) {
        patterns << QStringLiteral("*.") + QLatin1String(row->extensions[0]);
        each << QCoreApplication::translate("FileFilter", row->playFilter);
    }
    return QCoreApplication::translate("FileFilter", "Sound files (%1)").arg(patterns.join(QLatin1Char(' '))) +
           QLatin1Char('|') + patterns.join(QLatin1Char(';')) + QLatin1Char('|') +
           each.join(QLatin1Char('|')) + QStringLiteral("||");
}

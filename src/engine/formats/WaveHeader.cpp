#include "engine/formats/WaveHeader.h"

#include <algorithm>

namespace {
// The PCM record without its extra-size field: the least a "fmt " chunk may hold.
constexpr std::uint32_t MIN_FORMAT_BYTES = 16;

bool IsUsableFormat(const WAVEFORMATEX& wfx)
{
    // Whole bytes per sample: the channel split steps through frames by bits / 8 and would
    // never advance on a 4-bit (ADPCM-style) record.
    return wfx.nChannels >= 1 && wfx.nChannels <= 8 && wfx.wBitsPerSample >= 1 &&
           wfx.wBitsPerSample <= 32 && wfx.wBitsPerSample % 8 == 0 && wfx.nSamplesPerSec >= 1 &&
           wfx.nSamplesPerSec <= 384000;
}
} // namespace

bool BeginWaveFile(RiffWriter& writer, MMCKINFO& riff, MMCKINFO& data, const WAVEFORMATEX& wfx)
{
    riff = MMCKINFO{FOURCC_RIFF, 0, FOURCC_WAVE, writer.Position() + 8};
    if (!writer.CreateChunk(FOURCC_RIFF, FOURCC_WAVE))
        return false;

    const auto record = SerializeFormat(wfx);
    data = MMCKINFO{FOURCC_FMT, WAVEFORMATEX_BYTES, 0, writer.Position() + 8};
    if (!writer.CreateChunk(FOURCC_FMT) || writer.Write(record.data(), record.size()) != record.size() ||
        !writer.Ascend())
        return false;

    data = MMCKINFO{FOURCC_DATA, 0, 0, writer.Position() + 8};
    if (!writer.CreateChunk(FOURCC_DATA))
        return false;
    // Until the first update the file must already read as a valid, empty WAV file.
    riff.cksize = static_cast<std::uint32_t>(writer.Position() - riff.dwDataOffset);
    return writer.UpdateSizes();
}

bool FinishWaveFile(RiffWriter& writer)
{
    const bool data = writer.Ascend();
    const bool riff = writer.Ascend();
    const bool closed = writer.Close();
    return data && riff && closed;
}

WaveReadError ReadWaveHeader(RiffReader& reader, MMCKINFO& riff, MMCKINFO& data, WAVEFORMATEX& wfx)
{
    riff = MMCKINFO{};
    riff.fccType = FOURCC_WAVE;
    if (!reader.DescendRiff(riff))
        return WaveReadError::NoRiffWave;

    MMCKINFO format{};
    format.ckid = FOURCC_FMT;
    if (!reader.FindChunk(format, riff) || format.cksize < MIN_FORMAT_BYTES)
        return WaveReadError::NoFormat;
    std::uint8_t record[WAVEFORMATEX_BYTES] = {};
    const std::size_t length = std::min<std::size_t>(format.cksize, WAVEFORMATEX_BYTES);
    if (reader.Read(record, length) != length)
        return WaveReadError::NoFormat;
    const WAVEFORMATEX parsed = ParseFormat(record, length);
    if (!IsUsableFormat(parsed))
        return WaveReadError::NoFormat;
    if (!reader.Ascend(format))
        return WaveReadError::AscendFormat;

    data = MMCKINFO{};
    data.ckid = FOURCC_DATA;
    if (!reader.FindChunk(data, riff))
        return WaveReadError::NoData;
    wfx = parsed;
    return WaveReadError::None;
}

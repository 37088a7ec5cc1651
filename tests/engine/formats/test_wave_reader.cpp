#include "engine/TempDir.h"
#include "fuzz/WaveReadCheck.h"
#include "support/WaveBytes.h"

#include <gtest/gtest.h>

namespace {

WaveReadOutcome ReadBytes(const Bytes& file)
{
    return ReadWaveFromMemory(file.data(), file.size());
}

const Bytes kSamples = Samples(10);

} // namespace

// Files other programs write: the reader lands on the first sample byte and gives every
// byte from there to the end of the file.
TEST(WaveReader, ReadsTheShapesOfFileItMeets)
{
    struct Case {
        const char* name;
        Bytes file;
        std::uint16_t channels;
        std::uint16_t cbSize;
    };
    const Bytes fmt = Chunk("fmt ", FormatRecord(2, 44100, 16));
    const Case cases[] = {
        {"16-byte format record", Riff(Chunk("fmt ", FormatRecord(2, 44100, 16, 16)) + Chunk("data", kSamples)), 2, 0},
        {"40-byte extensible record, first 18 bytes read",
         Riff(Chunk("fmt ", FormatRecord(2, 44100, 16, 40)) + Chunk("data", kSamples)), 2, 22},
        {"LIST chunk between fmt and data",
         Riff(fmt + Chunk("LIST", Tag("INFO") + Chunk("INAM", Bytes{'x', 0})) + Chunk("data", kSamples)), 2, 0},
        {"odd chunk with its pad byte before data", Riff(fmt + Chunk("junk", Bytes{1, 2, 3}) + Chunk("data", kSamples)),
         2, 0},
        {"largest format accepted", Riff(Chunk("fmt ", FormatRecord(8, 384000, 32)) + Chunk("data", kSamples)), 8, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WaveReadOutcome out = ReadBytes(c.file);
        ASSERT_EQ(out.error, WaveReadError::None);
        EXPECT_EQ(out.broken, "");
        EXPECT_EQ(out.wfx.nChannels, c.channels);
        EXPECT_EQ(out.wfx.cbSize, c.cbSize);
        EXPECT_EQ(out.data.cksize, kSamples.size());
        EXPECT_EQ(out.samples, kSamples);
    }
}

TEST(WaveReader, RefusesWhatIsNotAPlayableWave)
{
    const Bytes fmt = Chunk("fmt ", FormatRecord(1, 8000, 8));
    const Bytes data = Chunk("data", kSamples);
    const Bytes good = Riff(fmt + data);
    auto withFormat = [&](std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
        return Riff(Chunk("fmt ", FormatRecord(channels, rate, bits)) + data);
    };
    struct Case {
        const char* name;
        Bytes file;
        WaveReadError error;
    };
    const Case cases[] = {
        {"empty file", {}, WaveReadError::NoRiffWave},
        {"cut inside the RIFF header", Bytes(good.begin(), good.begin() + 10), WaveReadError::NoRiffWave},
        {"big-endian RIFX", Tag("RIFX") + Bytes(good.begin() + 4, good.end()), WaveReadError::NoRiffWave},
        {"another RIFF form", Riff(fmt + data, "AVI "), WaveReadError::NoRiffWave},
        {"RIFF size below its form type", Riff(fmt + data, "WAVE", 3), WaveReadError::NoRiffWave},
        {"no fmt chunk", Riff(data), WaveReadError::NoFormat},
        {"fmt shorter than 16 bytes", Riff(Chunk("fmt ", FormatRecord(1, 8000, 8, 14)) + data),
         WaveReadError::NoFormat},
        {"cut inside the fmt chunk", Bytes(good.begin(), good.begin() + 30), WaveReadError::NoFormat},
        {"RIFF size ends inside the fmt chunk", Riff(fmt + data, "WAVE", 20), WaveReadError::NoFormat},
        {"no channels", withFormat(0, 8000, 8), WaveReadError::NoFormat},
        {"9 channels", withFormat(9, 8000, 8), WaveReadError::NoFormat},
        {"no bits", withFormat(1, 8000, 0), WaveReadError::NoFormat},
        {"40 bits", withFormat(1, 8000, 40), WaveReadError::NoFormat},
        {"4-bit samples", withFormat(1, 8000, 4), WaveReadError::NoFormat},
        {"rate 0", withFormat(1, 0, 8), WaveReadError::NoFormat},
        {"rate 384001", withFormat(1, 384001, 8), WaveReadError::NoFormat},
        {"fmt size runs past the end", Riff(Chunk("fmt ", FormatRecord(1, 8000, 8), 1000) + data),
         WaveReadError::NoData},
        {"odd fmt chunk whose pad byte lies past the end",
         Tag("RIFF") + Le32(4 + 8 + 17) + Tag("WAVE") + Tag("fmt ") + Le32(17) + Bytes(fmt.begin() + 8, fmt.end() - 1),
         WaveReadError::AscendFormat},
        {"data before fmt", Riff(data + fmt), WaveReadError::NoData},
        {"no data chunk", Riff(fmt + Chunk("LIST", Tag("INFO"))), WaveReadError::NoData},
        {"cut inside the data header", Bytes(good.begin(), good.begin() + 44), WaveReadError::NoData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WaveReadOutcome out = ReadBytes(c.file);
        EXPECT_EQ(out.error, c.error);
        EXPECT_EQ(out.broken, "");
    }
}

// Sizes that claim more, or less, than the file holds never take the reader outside it.
TEST(WaveReader, ClampsSizesToTheFile)
{
    const Bytes fmt = Chunk("fmt ", FormatRecord(1, 8000, 8));

    const WaveReadOutcome huge = ReadBytes(Riff(fmt + Chunk("data", kSamples, 0xFFFFFFFF), "WAVE", 0xFFFFFFFF));
    ASSERT_EQ(huge.error, WaveReadError::None);
    EXPECT_EQ(huge.riff.cksize, 4 + fmt.size() + 8 + kSamples.size());
    EXPECT_EQ(huge.data.cksize, kSamples.size());
    EXPECT_EQ(huge.samples, kSamples);

    // An odd data size whose pad byte never came: the clamped size stops at the file's end.
    const Bytes noPad = Tag("RIFF") + Le32(4 + 26 + 8 + 9) + Tag("WAVE") + fmt + Tag("data") + Le32(9) + Samples(9);
    const WaveReadOutcome odd = ReadBytes(noPad);
    ASSERT_EQ(odd.error, WaveReadError::None);
    EXPECT_EQ(odd.data.cksize, 9u);
    EXPECT_EQ(odd.samples, Samples(9));

    // The sizes a recording leaves when the process ends before any update: the samples
    // after the header still play, since playback reads to the end of the file.
    const Bytes crashed = Riff(fmt + Chunk("data", {}), "WAVE", 38) + Samples(100);
    const WaveReadOutcome provisional = ReadBytes(crashed);
    ASSERT_EQ(provisional.error, WaveReadError::None);
    EXPECT_EQ(provisional.riff.cksize, 38u);
    EXPECT_EQ(provisional.data.cksize, 0u);
    EXPECT_EQ(provisional.samples, Samples(100));
}

TEST(WaveReader, OpenTakesOnlyRegularFiles)
{
    TempDir dir;
    RiffReader reader;
    EXPECT_FALSE(reader.Open(dir / "missing.wav"));
    EXPECT_FALSE(reader.Open(dir.Path().string()));
    EXPECT_FALSE(reader.IsOpen());

    const std::string path = dir / "take.wav";
    ASSERT_TRUE(WriteFileBytes(path, PcmWave(1, 8000, 8, kSamples)));
    ASSERT_TRUE(reader.Open(path));
    EXPECT_FALSE(reader.Open(path)) << "a second open must not drop the first file";
    MMCKINFO riff, data;
    WAVEFORMATEX wfx;
    ASSERT_EQ(ReadWaveHeader(reader, riff, data, wfx), WaveReadError::None);
    EXPECT_EQ(reader.Position(), data.dwDataOffset);
    reader.Close();
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(reader.Read(&wfx, 1), 0u);
}

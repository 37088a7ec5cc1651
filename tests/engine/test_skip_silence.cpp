// Recording that skips silence, on the virtual backend's bursts of tone: what is written
// is each burst with the half second before it and the "after" time after it, joined
// exactly; nothing at all when no sound comes; a file per burst named with its moment.

#include "platform/Clock.h"
#include "platform/audio/virtual/SignalGenerator.h"
#include "support/EngineFixture.h"
#include "support/WaveFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

struct SkipCase {
    const char* name;
    std::uint16_t bits;
    std::uint32_t mode;
    std::uint32_t rate;
    double levelDb;
    double afterSeconds;
    platform::VirtualDeviceSpec burst;
};

void PrintTo(const SkipCase& c, std::ostream* os)
{
    *os << c.name;
}

// The bytes of frames [0, frames) of the device's stream in this format, and which frames
// rise above the level in either channel: worked out from the samples, frame by frame.
struct Stream {
    QByteArray bytes;
    std::vector<bool> loud;
};

Stream Generate(const platform::VirtualDeviceSpec& device, const WAVEFORMATEX& wfx, double levelDb, std::uint64_t frames)
{
    Stream s;
    s.bytes.resize(static_cast<qsizetype>(frames * wfx.nBlockAlign));
    platform::SignalGenerator(device, wfx).Fill(0, s.bytes.data(), static_cast<std::size_t>(s.bytes.size()));
    const double level = 32768.0 * std::pow(10.0, levelDb / 20.0);
    const unsigned size = wfx.wBitsPerSample / 8u;
    for (std::uint64_t f = 0; f < frames; ++f) {
        bool loud = false;
        for (unsigned c = 0; c < wfx.nChannels; ++c) {
            const auto* p = reinterpret_cast<const std::uint8_t*>(s.bytes.constData()) + f * wfx.nBlockAlign + c * size;
            const int v = size == 1 ? (p[0] - 128) * 256 : static_cast<std::int16_t>(p[0] | p[1] << 8);
            loud = loud || std::abs(v) > level;
        }
        s.loud.push_back(loud);
    }
    return s;
}

// A frame f is kept when a loud frame s lies in [f - after, f + pre]: s's pre-roll reaches
// back to it, or s's "after" time has not run out at it. The stretches, as [from, to).
std::vector<std::pair<std::uint64_t, std::uint64_t>> Stretches(const std::vector<bool>& loud, std::uint64_t preRoll,
                                                                std::uint64_t after)
{
    const std::uint64_t n = loud.size();
    std::vector<std::uint64_t> before(n + 1); // loud frames in [0, i)
    for (std::uint64_t i = 0; i < n; ++i)
        before[i + 1] = before[i] + (loud[i] ? 1 : 0);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> runs;
    for (std::uint64_t f = 0; f < n; ++f) {
        const std::uint64_t low = f > after ? f - after : 0;
        const std::uint64_t high = std::min(n, f + preRoll + 1);
        if (before[high] == before[low])
            continue;
        if (runs.empty() || runs.back().second != f)
            runs.push_back({f, f});
        runs.back().second = f + 1;
    }
    return runs;
}

// The bytes of output `out` for frames [from, to): a channel of its own when split.
QByteArray OutputBytes(const QByteArray& stream, const WAVEFORMATEX& wfx, std::uint32_t mode, int out, std::uint64_t from,
                       std::uint64_t to)
{
    if (mode != CHANNELS_SPLIT)
        return stream.mid(static_cast<qsizetype>(from * wfx.nBlockAlign), static_cast<qsizetype>((to - from) * wfx.nBlockAlign));
    const qsizetype size = wfx.wBitsPerSample / 8;
    QByteArray b;
    for (std::uint64_t f = from; f < to; ++f)
        b += stream.mid(static_cast<qsizetype>(f * wfx.nBlockAlign) + out * size, size);
    return b;
}

} // namespace

class SkipSilenceTest : public EngineFixture, public ::testing::WithParamInterface<SkipCase> {
protected:
    // Records `seconds` of the burst device, skipping silence, into take.wav (and right.wav
    // when split); the stream as the device made it.
    Stream RecordBursts(const SkipCase& c, double seconds, bool filePerSound = false)
    {
        UseCaptureDevices({c.burst});
        engine->SetSkipSilence({true, c.levelDb, c.afterSeconds, filePerSound});
        EXPECT_TRUE(Record(0, c.bits, c.mode, c.rate, Path("take.wav")));
        if (c.mode == CHANNELS_SPLIT)
            EXPECT_TRUE(engine->OpenRecordFile(1, Path("right.wav")));
        // Whole buffers, a buffer's time on the clock before each: a stretch is named with
        // the moment its first frame came in.
        const unsigned buffer = 4096 / engine->m_wfx.nBlockAlign;
        const auto frames = static_cast<std::uint64_t>(std::ceil(seconds * c.rate / buffer)) * buffer;
        for (std::uint64_t done = 0; done < frames; done += buffer) {
            clock.Advance(std::int64_t{buffer} * 1000 / c.rate);
            Feed(buffer);
        }
        StopAndSettle();
        return Generate(c.burst, engine->m_wfx, c.levelDb, frames);
    }

    platform::ManualClock clock{1796800803}; // 2026-12-09 07:20:03 UTC
};

// A burst every 1.5 s (or `every`), from 0.7 s on: the silence before the first is longer
// than the pre-roll, and the silences between them longer than the pre-roll and "after".
platform::VirtualDeviceSpec Burst(std::uint32_t rate, std::uint64_t soundFrames, double left = 440.0,
                                  double right = 660.0, double amplitude = 0.5, double every = 1.5)
{
    platform::VirtualDeviceSpec d;
    d.name = QStringLiteral("Burst");
    d.leftHz = left;
    d.rightHz = right;
    d.amplitude = amplitude;
    d.soundFrames = soundFrames;
    d.burstStart = rate * 7 / 10;
    d.burstEvery = static_cast<std::uint64_t>(every * rate);
    return d;
}

TEST_P(SkipSilenceTest, EachBurstIsWrittenWithItsPreRollAndItsAfterTimeJoinedExactly)
{
    const SkipCase c = GetParam();
    const Stream stream = RecordBursts(c, 5.0);
    EXPECT_TRUE(messages.Messages().empty());
    const auto frames = [&](double seconds) { return static_cast<std::uint64_t>(std::llround(seconds * c.rate)); };
    const auto runs = Stretches(stream.loud, frames(0.5), frames(c.afterSeconds));
    ASSERT_FALSE(runs.empty());
    const bool split = c.mode == CHANNELS_SPLIT;
    std::uint64_t kept = 0;
    for (int out = 0; out < (split ? 2 : 1); ++out) {
        SCOPED_TRACE(out);
        QByteArray expected;
        for (const auto& [from, to] : runs)
            expected += OutputBytes(stream.bytes, engine->m_wfx, c.mode, out, from, to);
        const auto wave = ReadRecordedWave(Path(out == 0 ? "take.wav" : "right.wav"));
        ASSERT_TRUE(wave);
        EXPECT_TRUE(HasTrueSizes(*wave));
        EXPECT_EQ(wave->data.size(), expected.size());
        EXPECT_EQ(wave->data, expected);
        kept = 0;
        for (const auto& [from, to] : runs)
            kept += to - from;
    }
    EXPECT_EQ(engine->RecordedBytes(), kept * engine->m_wfx.nBlockAlign);
}

INSTANTIATE_TEST_SUITE_P(
    Bursts, SkipSilenceTest,
    ::testing::Values(SkipCase{"Stereo16", 16, CHANNELS_STEREO, 44100, -45, 0.5, Burst(44100, 4410)},
                      SkipCase{"Mono8", 8, CHANNELS_MONO, 8000, -45, 0.5, Burst(8000, 800)},
                      // Shorter than a buffer: the crossing and the fall in one buffer.
                      SkipCase{"BurstOf50Frames", 16, CHANNELS_MONO, 22050, -45, 0.5, Burst(22050, 50)},
                      // The edges of the level: a faint tone is heard at the bottom, and a
                      // tone at -6 dBFS only at the peaks of its waves at the top.
                      SkipCase{"FaintAtLowestLevel", 16, CHANNELS_STEREO, 11025, -70, 0.5,
                               Burst(11025, 2000, 440.0, 660.0, 0.0005)},
                      SkipCase{"HighestLevel", 8, CHANNELS_STEREO, 11025, -10, 0.5, Burst(11025, 2000)},
                      // A burst whose pre-roll would reach back into the stretch before it:
                      // the next stretch starts where that one ended, repeating nothing.
                      SkipCase{"PreRollMeetsTheStretchBefore", 16, CHANNELS_STEREO, 22050, -45, 0.5,
                               Burst(22050, 2205, 440.0, 660.0, 0.5, 1.05)},
                      // Sound in the left channel only: the pair is cut as one.
                      SkipCase{"SplitLeftOnly", 16, CHANNELS_SPLIT, 16000, -45, 0.5, Burst(16000, 1600, 440.0, 0.0)}),
    [](const ::testing::TestParamInfo<SkipCase>& info) { return info.param.name; });

using SkipSilenceFilesTest = SkipSilenceTest;

// One file per burst, named with the moment its first frame (the pre-roll's) was captured,
// the channel files alike; a burst longer than " New file every" goes on into a part.
TEST_F(SkipSilenceFilesTest, EachBurstHasAFileNamedWithItsMoment)
{
    // Two seconds of tone every four: stretches of three seconds, the last cut by Stop.
    const SkipCase c{"Split", 16, CHANNELS_SPLIT, 8000, -45, 0.5, Burst(8000, 16000, 440.0, 660.0, 0.5, 4.0)};
    engine->SetPartSeconds(2);
    const qint64 startMs = clock.NowMs();
    const Stream stream = RecordBursts(c, 9.5, true);
    EXPECT_TRUE(messages.Messages().empty());
    const auto runs = Stretches(stream.loud, c.rate / 2, c.rate / 2);
    ASSERT_EQ(runs.size(), 3u);
    QStringList expectedNames;
    for (const auto& [from, to] : runs) {
        const QString stamp = QDateTime::fromMSecsSinceEpoch(startMs + static_cast<qint64>(from * 1000 / c.rate))
                                  .toString(QStringLiteral("_yyyy-MM-dd_HH-mm-ss.zzz"));
        for (const char* stem : {"take", "right"}) {
            SCOPED_TRACE(stem);
            const QString base = Path(QLatin1String(stem) + stamp);
            const std::vector<QByteArray> parts = RecordedParts(base);
            ASSERT_EQ(parts.size(), to - from > 2 * c.rate ? 2u : 1u) << base.toStdString();
            EXPECT_EQ(parts[0] + (parts.size() > 1 ? parts[1] : QByteArray()),
                      OutputBytes(stream.bytes, engine->m_wfx, c.mode, stem[0] == 'r', from, to));
            for (std::size_t i = 0; i < parts.size(); ++i)
                expectedNames << QFileInfo(base).fileName() + (i ? QStringLiteral("-%1").arg(i + 1) : QString()) + ".wav";
        }
    }
    QStringList names = QDir(dir.path()).entryList(QDir::Files);
    names.sort();
    expectedNames.sort();
    EXPECT_EQ(names, expectedNames);
}

// Silence from Record to Stop: no file, whether one or two were asked for, and nothing
// counted; the outputs wait for sound all the while.
TEST_F(SkipSilenceFilesTest, SilenceThroughoutLeavesNoFile)
{
    for (std::uint32_t mode : {CHANNELS_MONO, CHANNELS_SPLIT}) {
        engine->SetSkipSilence({true, -70, 0.5, mode == CHANNELS_SPLIT});
        ASSERT_TRUE(Record(SILENCE, 16, mode, 8000, Path("take.wav")));
        ASSERT_TRUE(mode != CHANNELS_SPLIT || engine->OpenRecordFile(1, Path("right.wav")));
        Feed(3 * 8000);
        EXPECT_TRUE(engine->IsWaitingForSound());
        EXPECT_TRUE(engine->IsOutputInUse(0));
        EXPECT_FALSE(engine->IsOutputOpen(0));
        StopAndSettle();
        EXPECT_EQ(engine->RecordedBytes(), 0u);
        EXPECT_FALSE(engine->IsOutputInUse(0));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    }
    EXPECT_TRUE(messages.Messages().empty());
}

// What would keep the file from being made is told at Record, as without skipping.
TEST_F(SkipSilenceFilesTest, OutputThatCouldNotBeMadeIsRefusedAtOnce)
{
    engine->SetSkipSilence({true, -45, 3.0, false});
    EXPECT_FALSE(Record(SINE, 16, CHANNELS_MONO, 8000, Path("missing/take.wav")));
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Open wave file failed")});
    EXPECT_FALSE(engine->IsOutputInUse(0));
    StopAndSettle();
}

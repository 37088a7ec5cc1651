// Recording that skips silence, on the virtual backend's bursts of tone: each burst with the half
// second before it and the "after" time after it, joined exactly, or in a file of its own.

#include "platform/Clock.h"
#include "platform/audio/virtual/SignalGenerator.h"
#include "support/EngineFixture.h"
#include "support/WaveFile.h"

#include <QDateTime>
#include <QDir>

#include <cmath>
#include <numeric>

namespace {

struct SkipCase {
    const char* name;
    std::uint16_t bits;
    std::uint32_t mode, rate;
    double levelDb, afterSeconds;
    platform::VirtualDeviceSpec burst;
    bool filePerSound = false;
    std::uint32_t partSeconds = 0;
    double seconds = 5.0;
};

// The bytes of frames [0, frames) of the device's stream in this format, and which frames
// rise above the level in either channel: worked out from the samples, frame by frame.
struct Stream {
    QByteArray bytes;
    std::vector<bool> loud;
};

Stream Generate(const platform::VirtualDeviceSpec& device, const WAVEFORMATEX& wfx, double levelDb, std::uint64_t frames)
{
    Stream s{QByteArray(static_cast<qsizetype>(frames * wfx.nBlockAlign), '\0'), {}};
    platform::SignalGenerator(device, wfx).Fill(0, s.bytes.data(), static_cast<std::size_t>(s.bytes.size()));
    const double level = 32768.0 * std::pow(10.0, levelDb / 20.0);
    const auto* p = reinterpret_cast<const std::uint8_t*>(s.bytes.constData());
    for (std::uint64_t f = 0; f < frames; ++f) {
        bool loud = false;
        for (const std::uint8_t* q = p + f * wfx.nBlockAlign; q < p + (f + 1) * wfx.nBlockAlign; q += wfx.wBitsPerSample / 8)
            loud = loud || std::abs(wfx.wBitsPerSample == 8 ? (q[0] - 128) * 256 : std::int16_t(q[0] | q[1] << 8)) > level;
        s.loud.push_back(loud);
    }
    return s;
}

// A frame f is kept when a loud frame lies in [f - after, f + pre]: its pre-roll reaches
// back to f, or its "after" time has not run out at f. The stretches, as [from, to).
std::vector<std::pair<std::uint64_t, std::uint64_t>> Stretches(const std::vector<bool>& loud, std::uint64_t pre, std::uint64_t after)
{
    std::vector<std::uint64_t> before(loud.size() + 1); // loud frames in [0, i)
    for (std::size_t i = 0; i < loud.size(); ++i)
        before[i + 1] = before[i] + loud[i];
    std::vector<std::pair<std::uint64_t, std::uint64_t>> runs;
    for (std::uint64_t f = 0; f < loud.size(); ++f)
        if (before[std::min<std::uint64_t>(loud.size(), f + pre + 1)] != before[f > after ? f - after : 0]) {
            if (runs.empty() || runs.back().second != f)
                runs.push_back({f, f});
            runs.back().second = f + 1;
        }
    return runs;
}

// The bytes of output `out` for frames [from, to): a channel of its own when split.
QByteArray OutputBytes(const QByteArray& stream, const WAVEFORMATEX& wfx, std::uint32_t mode, int out, std::uint64_t from, std::uint64_t to)
{
    const qsizetype frame = wfx.nBlockAlign, size = mode == CHANNELS_SPLIT ? wfx.wBitsPerSample / 8 : frame;
    QByteArray b;
    for (auto f = static_cast<qsizetype>(from); f < static_cast<qsizetype>(to); ++f)
        b += stream.mid(f * frame + out * size, size);
    return b;
}

} // namespace

// A burst every 1.5 s (or `every`), from 0.7 s on: the silence before the first is longer
// than the pre-roll, and the silences between them longer than the pre-roll and "after".
platform::VirtualDeviceSpec Burst(std::uint32_t rate, std::uint64_t soundFrames, double left = 440.0,
                                  double right = 660.0, double amplitude = 0.5, double every = 1.5)
{
    return {.name = QStringLiteral("Burst"), .leftHz = left, .rightHz = right, .amplitude = amplitude,
            .soundFrames = soundFrames, .burstStart = rate * 7 / 10, .burstEvery = static_cast<std::uint64_t>(every * rate)};
}

class SkipSilenceTest : public EngineFixture, public ::testing::WithParamInterface<SkipCase> {
protected:
    platform::ManualClock clock{1796800803}; // 2026-12-09 07:20:03 UTC
};

// Joined, the file (in parts if asked) holds every stretch in turn; with a file per sound
// each stretch is in files of its own, channel files alike, named with the moment its
// first frame (the pre-roll's) was captured.
TEST_P(SkipSilenceTest, EachBurstIsWrittenWithItsPreRollAndItsAfterTimeJoinedExactly)
{
    const SkipCase c = GetParam();
    UseCaptureDevices({c.burst});
    engine->SetSkipSilence({true, c.levelDb, c.afterSeconds, c.filePerSound});
    engine->SetPartSeconds(c.partSeconds);
    const qint64 startMs = clock.NowMs();
    ASSERT_TRUE(Record(0, c.bits, c.mode, c.rate, Path("take.wav")));
    ASSERT_TRUE(c.mode != CHANNELS_SPLIT || engine->OpenRecordFile(1, Path("right.wav")));
    // Whole buffers, each after its time on the clock, as a stretch is named from it.
    const unsigned buffer = 4096 / engine->Format().nBlockAlign;
    const auto total = static_cast<std::uint64_t>(std::ceil(c.seconds * c.rate / buffer)) * buffer;
    for (std::uint64_t done = 0; done < total; done += buffer) {
        clock.Advance(std::int64_t{buffer} * 1000 / c.rate);
        Feed(buffer);
    }
    StopAndSettle();
    EXPECT_TRUE(messages.Messages().empty());
    const Stream stream = Generate(c.burst, engine->Format(), c.levelDb, total);
    const auto frames = [&](double seconds) { return static_cast<std::uint64_t>(std::llround(seconds * c.rate)); };
    const auto runs = Stretches(stream.loud, frames(0.5), frames(c.afterSeconds));
    ASSERT_FALSE(runs.empty());
    const std::uint64_t kept = std::accumulate(runs.begin(), runs.end(), std::uint64_t{0}, [](auto n, const auto& r) { return n + r.second - r.first; });
    EXPECT_EQ(engine->CurrentTake().RecordedBytes(), kept * engine->Format().nBlockAlign);
    const auto joined = [](const std::vector<QByteArray>& parts) { return std::accumulate(parts.begin(), parts.end(), QByteArray()); };
    QStringList names;
    for (int out = 0; out < (c.mode == CHANNELS_SPLIT ? 2 : 1); ++out) {
        const QString stem = out ? QStringLiteral("right") : QStringLiteral("take");
        QByteArray all;
        for (const auto& [from, to] : runs) {
            all += OutputBytes(stream.bytes, engine->Format(), c.mode, out, from, to);
            if (!c.filePerSound)
                continue;
            const QString base = stem + QDateTime::fromMSecsSinceEpoch(startMs + qint64(from * 1000 / c.rate))
                                            .toString(QStringLiteral("_yyyy-MM-dd_HH-mm-ss.zzz"));
            const auto parts = RecordedParts(Path(base));
            EXPECT_EQ(joined(parts), OutputBytes(stream.bytes, engine->Format(), c.mode, out, from, to)) << base.toStdString();
            for (std::size_t i = 0; i < parts.size(); ++i)
                names << base + (i ? QStringLiteral("-%1.wav").arg(i + 1) : QStringLiteral(".wav"));
        }
        if (!c.filePerSound) {
            EXPECT_EQ(joined(RecordedParts(Path(stem))), all) << out;
        }
    }
    names.sort();
    if (c.filePerSound) {
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), names);
    }
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
                      SkipCase{"SplitLeftOnly", 16, CHANNELS_SPLIT, 16000, -45, 0.5, Burst(16000, 1600, 440.0, 0.0)},
                      // Two seconds of tone every four, in parts of two seconds: stretches of
                      // three seconds go on into a part, and the last is cut by Stop.
                      SkipCase{"FilePerSoundInParts", 16, CHANNELS_SPLIT, 8000, -45, 0.5,
                               Burst(8000, 16000, 440.0, 660.0, 0.5, 4.0), true, 2, 9.5},
                      SkipCase{"JoinedInParts", 16, CHANNELS_MONO, 8000, -45, 0.5, Burst(8000, 16000, 440.0, 660.0, 0.5, 4.0),
                               false, 2, 9.5}),
    [](const ::testing::TestParamInfo<SkipCase>& info) { return info.param.name; });

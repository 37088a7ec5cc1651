// Recording through the real sound server: lengths, unbroken tones, channels, parts, and a
// killed recorder.

#include "ServerFixture.h"
#include "support/FormatRows.h"
#include "support/ToolDecode.h"
#include "support/WaveFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <csignal>

namespace {

struct Recorded {
    ParsedWave left;
    ParsedWave right;
    double seconds = 0; // between Record taking effect and Stop
};

class RecordTest : public ServerFixture {
protected:
    // Records into first (and b.wav when split) for the given time and stops; the seconds
    // between Record taking effect and Stop.
    double RecordInto(const QString& first, std::uint32_t device, std::uint16_t bits, std::uint32_t mode,
                      std::uint32_t rate, int ms)
    {
        CAudioPlayRec engine;
        EXPECT_TRUE(engine.Create(device, nullptr, nullptr, nullptr, nullptr));
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(engine.StartRecord(bits, mode, rate));
        EXPECT_TRUE(engine.OpenRecordFile(0, Path(first)));
        if (mode == CHANNELS_SPLIT) {
            EXPECT_TRUE(engine.OpenRecordFile(1, Path("b.wav")));
        }
        QTest::qWait(ms);
        engine.Stop();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        EXPECT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_READY; }, 3000));
        EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();
        // Each test's tone comes whole: a break counted would be one the server never made.
        EXPECT_EQ(engine.CurrentTake().Breaks(), 0u);
        return seconds;
    }

    // Records for the given time and stops; split recordings give two files.
    Recorded RecordFor(std::uint32_t device, std::uint16_t bits, std::uint32_t mode, std::uint32_t rate, int ms)
    {
        Recorded r;
        r.seconds = RecordInto(QStringLiteral("a.wav"), device, bits, mode, rate, ms);
        auto a = ReadRecordedWave(Path("a.wav"));
        EXPECT_TRUE(a);
        if (a)
            r.left = *a;
        if (mode == CHANNELS_SPLIT) {
            auto b = ReadRecordedWave(Path("b.wav"));
            EXPECT_TRUE(b);
            if (b)
                r.right = *b;
        }
        return r;
    }

    static double RingSeconds(std::uint16_t bits, int channels, std::uint32_t rate)
    {
        const int buffers = static_cast<int>(rate / 11025 + bits / 8 + channels);
        return buffers * 4096.0 / (rate * channels * bits / 8);
    }
};

} // namespace

TEST_F(RecordTest, StereoSixteenBitLengthAndTone)
{
    const Recorded r = RecordFor(WAVE_MAPPER, 16, CHANNELS_STEREO, 44100, 3000);
    ASSERT_EQ(r.left.channels, 2);
    const double seconds = r.left.dataSize / 4.0 / 44100.0;
    EXPECT_NEAR(seconds, r.seconds, RingSeconds(16, 2, 44100));
    EXPECT_NEAR(ToneFrequency(r.left.data, 16, 2, 0, 44100), EnvHz("TESSAVOX_SINE_HZ", 440), 5.0);
    EXPECT_EQ(ToneBreaksIn(r.left.data, 16, 2, 0, 44100, EnvHz("TESSAVOX_SINE_HZ", 440)), "");
    EXPECT_EQ(ToneBreaksIn(r.left.data, 16, 2, 1, 44100, EnvHz("TESSAVOX_SINE_HZ", 440)), "");
}

TEST_F(RecordTest, MonoEightBitLengthAndTone)
{
    const Recorded r = RecordFor(WAVE_MAPPER, 8, CHANNELS_MONO, 8000, 3000);
    ASSERT_EQ(r.left.channels, 1);
    ASSERT_EQ(r.left.bits, 8);
    const double seconds = r.left.dataSize / 8000.0;
    EXPECT_NEAR(seconds, r.seconds, RingSeconds(8, 1, 8000));
    EXPECT_NEAR(ToneFrequency(r.left.data, 8, 1, 0, 8000), EnvHz("TESSAVOX_SINE_HZ", 440), 5.0);
    EXPECT_EQ(ToneBreaksIn(r.left.data, 8, 1, 0, 8000, EnvHz("TESSAVOX_SINE_HZ", 440)), "");
}

TEST_F(RecordTest, SplitChannelsTellLeftFromRight)
{
    const std::uint32_t monitor = CaptureDeviceNamed(qEnvironmentVariable("TESSAVOX_MONITOR_DESCRIPTION", QStringLiteral("Monitor")));
    ASSERT_NE(monitor, WAVE_MAPPER) << "the private server has no monitor source";
    const Recorded r = RecordFor(monitor, 16, CHANNELS_SPLIT, 48000, 1500);
    ASSERT_EQ(r.left.channels, 1);
    ASSERT_EQ(r.right.channels, 1);
    EXPECT_EQ(r.left.dataSize, r.right.dataSize);
    EXPECT_NEAR(ToneFrequency(r.left.data, 16, 1, 0, 48000), EnvHz("TESSAVOX_LEFT_HZ", 440), 5.0);
    EXPECT_NEAR(ToneFrequency(r.right.data, 16, 1, 0, 48000), EnvHz("TESSAVOX_RIGHT_HZ", 660), 5.0);
    EXPECT_EQ(ToneBreaksIn(r.left.data, 16, 1, 0, 48000, EnvHz("TESSAVOX_LEFT_HZ", 440)), "");
    EXPECT_EQ(ToneBreaksIn(r.right.data, 16, 1, 0, 48000, EnvHz("TESSAVOX_RIGHT_HZ", 660)), "");
}

// Five seconds in parts of two: three files, and the server's tone runs on unbroken from
// one into the next, so no sample was lost or doubled where they join.
TEST_F(RecordTest, PartsOfTwoSecondsJoinExactly)
{
    CAudioPlayRec engine;
    ASSERT_TRUE(engine.Create(WAVE_MAPPER, nullptr, nullptr, nullptr, nullptr));
    engine.SetPartSeconds(2);
    ASSERT_TRUE(engine.StartRecord(16, CHANNELS_STEREO, 48000));
    ASSERT_TRUE(engine.OpenRecordFile(0, Path("take.wav")));
    QTest::qWait(5000);
    engine.Stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_READY; }, 3000));
    EXPECT_TRUE(messages.Messages().empty());
    const auto parts = RecordedParts(Path("take"));
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].size(), 2 * 48000 * 4);
    EXPECT_EQ(parts[1].size(), 2 * 48000 * 4);
    const QByteArray joined = parts[0] + parts[1] + parts[2];
    for (int channel : {0, 1})
        EXPECT_EQ(ToneBreaksIn(joined, 16, 2, channel, 48000, EnvHz("TESSAVOX_SINE_HZ", 440)), "") << channel;
}

TEST_F(RecordTest, KilledRecorderLeavesAPlayableFile)
{
    const QString child = QCoreApplication::applicationDirPath() + QStringLiteral("/record_child");
    const QString path = Path("killed.wav");
    QProcess process;
    process.start(child, {path});
    ASSERT_TRUE(process.waitForStarted(5000));
    ASSERT_TRUE(process.waitForReadyRead(10000)) << process.readAllStandardError().toStdString();
    QTest::qWait(2500);
    ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
    ASSERT_TRUE(process.waitForFinished(5000));

    const auto w = ReadRecordedWave(path);
    ASSERT_TRUE(w);
    EXPECT_GE(w->dataSize / 4.0 / 44100.0, 1.5);
    EXPECT_LE(static_cast<qsizetype>(46 + w->dataSize), w->bytes.size());
    EXPECT_EQ(w->dataSize % 4, 0u);
}

namespace {

class KilledRecorderTest : public RecordTest, public ::testing::WithParamInterface<const FormatRow*> {};
class FormatFromServerTest : public RecordTest, public ::testing::WithParamInterface<const FormatRow*> {};

} // namespace

// Every format from the real server, in each layout: each file decodes, with ffmpeg, to the
// source's channels and rate, as long as the time recorded and its tone unbroken; one channel
// in the format holds exactly as many samples as the other written as WAV in the same take.
TEST_P(FormatFromServerTest, EachLayoutDecodesToTheSourcesToneAndLength)
{
    const FormatRow& format = *GetParam();
    const std::uint32_t monitor = CaptureDeviceNamed(qEnvironmentVariable("TESSAVOX_MONITOR_DESCRIPTION", QStringLiteral("Monitor")));
    ASSERT_NE(monitor, WAVE_MAPPER) << "the private server has no monitor source";
    struct Case {
        std::uint32_t device;
        std::uint32_t mode;
        std::uint32_t rate;
    };
    for (const Case c : {Case{WAVE_MAPPER, CHANNELS_MONO, 48000}, Case{WAVE_MAPPER, CHANNELS_STEREO, 44100},
                         Case{monitor, CHANNELS_SPLIT, 44100}}) {
        SCOPED_TRACE(testing::Message() << "layout " << c.mode);
        const bool split = c.mode == CHANNELS_SPLIT;
        const QString name = QStringLiteral("a%1.").arg(c.mode) + QLatin1String(format.extensions[0]);
        const double seconds = RecordInto(name, c.device, 16, c.mode, c.rate, 2000);
        const ToolSound out = DecodeWithFfmpeg(Path(name));
        ASSERT_EQ(out.exitCode, 0) << out.errors.toStdString();
        const int channels = c.mode == CHANNELS_STEREO ? 2 : 1;
        ASSERT_EQ(out.channels, channels);
        const double decoded = static_cast<double>(out.Frames()) / out.rate;
        EXPECT_NEAR(decoded, seconds, RingSeconds(16, split ? 2 : channels, c.rate) + 0.05);
        const double hz = split ? EnvHz("TESSAVOX_LEFT_HZ", 440) : EnvHz("TESSAVOX_SINE_HZ", 440);
        for (int channel = 0; channel < channels; ++channel) {
            EXPECT_NEAR(ToneFrequency(out.pcm, 16, channels, channel, static_cast<int>(out.rate)), hz, 5.0);
            EXPECT_EQ(ToneBreaksIn(out.pcm, 16, channels, channel, static_cast<int>(out.rate), hz), "") << channel;
        }
        if (split) {
            const auto right = ReadRecordedWave(Path("b.wav"));
            ASSERT_TRUE(right);
            EXPECT_NEAR(static_cast<double>(out.Frames()) / out.rate, right->dataSize / 2.0 / c.rate, 1.0 / out.rate);
            EXPECT_NEAR(ToneFrequency(right->data, 16, 1, 0, static_cast<int>(c.rate)), EnvHz("TESSAVOX_RIGHT_HZ", 660), 5.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatFromServerTest, ::testing::ValuesIn(AllFormats()), FormatRowName);

// The recorder is killed in mid-take, in every format: its file decodes, with ffmpeg and with
// the format's own tool where there is one, to within a second of the moment of the kill.
TEST_P(KilledRecorderTest, FileDecodesToWithinASecondOfTheKill)
{
    const FormatRow& format = *GetParam();
    const QString child = QCoreApplication::applicationDirPath() + QStringLiteral("/record_child");
    const QString path = Path(QStringLiteral("killed.") + QLatin1String(format.extensions[0]));
    QProcess process;
    process.start(child, {path});
    ASSERT_TRUE(process.waitForStarted(5000));
    ASSERT_TRUE(process.waitForReadyRead(10000)) << process.readAllStandardError().toStdString();
    QElapsedTimer recording;
    recording.start();
    QTest::qWait(2500);
    ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
    const double killedAt = static_cast<double>(recording.nsecsElapsed()) / 1e9;
    ASSERT_TRUE(process.waitForFinished(5000));

    const ToolSound decoded = DecodeWithFfmpeg(path);
    EXPECT_EQ(decoded.exitCode, 0) << decoded.errors.toStdString();
    ASSERT_GT(decoded.rate, 0u);
    const double seconds = static_cast<double>(decoded.Frames()) / decoded.rate;
    EXPECT_GE(seconds, killedAt - 1.0);
    EXPECT_LE(seconds, killedAt + 0.5);
    const std::pair<const char*, const char*> tools[] = {{"flac", "flac"}, {"opus", "opusdec"}};
    for (const auto& [entry, tool] : tools) {
        if (QLatin1String(entry) != QLatin1String(format.entry))
            continue;
        const ToolOutput out = DecodeWithTool(QLatin1String(tool), path);
        EXPECT_EQ(out.exitCode, 0) << tool << ": " << out.errors.toStdString();
        EXPECT_NEAR(static_cast<double>(out.pcm.size()) / 4 / decoded.rate, seconds, 0.1) << tool;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, KilledRecorderTest, ::testing::ValuesIn(AllFormats()), FormatRowName);

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
#include <optional>

namespace {

class RecordTest : public ServerFixture {
protected:
    // Records into first (and b.wav when split) for the given time, in parts of partSeconds
    // when not 0, and stops; the seconds between Record taking effect and Stop.
    double RecordInto(const QString& first, std::uint32_t device, std::uint16_t bits, std::uint32_t mode,
                      std::uint32_t rate, int ms, int partSeconds = 0)
    {
        CAudioPlayRec engine;
        EXPECT_TRUE(engine.Create(device, nullptr, nullptr, nullptr, nullptr));
        if (partSeconds != 0)
            engine.SetPartSeconds(partSeconds);
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

    std::uint32_t Monitor()
    {
        return CaptureDeviceNamed(qEnvironmentVariable("TESSAVOX_MONITOR_DESCRIPTION", QStringLiteral("Monitor")));
    }

    static double RingSeconds(std::uint16_t bits, int channels, std::uint32_t rate)
    {
        const int buffers = static_cast<int>(rate / 11025 + bits / 8 + channels);
        return buffers * 4096.0 / (rate * channels * bits / 8);
    }
};

} // namespace

// Each layout in WAV: as long as the time recorded, each channel the source's tone unbroken,
// and a split take's two files as long as each other.
TEST_F(RecordTest, WaveLengthAndUnbrokenToneInEachLayout)
{
    const std::uint32_t monitor = Monitor();
    ASSERT_NE(monitor, WAVE_MAPPER) << "the private server has no monitor source";
    struct Case {
        std::uint32_t device;
        std::uint16_t bits;
        std::uint32_t mode;
        std::uint32_t rate;
        int ms;
    };
    for (const Case c : {Case{WAVE_MAPPER, 16, CHANNELS_STEREO, 44100, 3000}, Case{WAVE_MAPPER, 8, CHANNELS_MONO, 8000, 3000},
                         Case{monitor, 16, CHANNELS_SPLIT, 48000, 1500}}) {
        SCOPED_TRACE(testing::Message() << "layout " << c.mode << ", " << c.bits << " bits");
        const bool split = c.mode == CHANNELS_SPLIT;
        const int channels = c.mode == CHANNELS_STEREO ? 2 : 1;
        const QString first = QStringLiteral("a%1.wav").arg(c.mode);
        const double recorded = RecordInto(first, c.device, c.bits, c.mode, c.rate, c.ms);
        const std::optional<ParsedWave> files[] = {ReadRecordedWave(Path(first)),
                                                   split ? ReadRecordedWave(Path("b.wav")) : std::nullopt};
        for (int file = 0; file < (split ? 2 : 1); ++file) {
            ASSERT_TRUE(files[file]) << file;
            const ParsedWave& wave = *files[file];
            ASSERT_EQ(wave.channels, channels);
            ASSERT_EQ(wave.bits, c.bits);
            EXPECT_EQ(wave.dataSize, files[0]->dataSize) << "left and right differ in length";
            EXPECT_NEAR(wave.dataSize / (channels * c.bits / 8.0) / c.rate, recorded,
                        RingSeconds(c.bits, split ? 2 : channels, c.rate));
            const double hz = file == 1 ? EnvHz("TESSAVOX_RIGHT_HZ", 660)
                                        : EnvHz(split ? "TESSAVOX_LEFT_HZ" : "TESSAVOX_SINE_HZ", 440);
            for (int channel = 0; channel < channels; ++channel) {
                EXPECT_NEAR(ToneFrequency(wave.data, c.bits, channels, channel, static_cast<int>(c.rate)), hz, 5.0);
                EXPECT_EQ(ToneBreaksIn(wave.data, c.bits, channels, channel, static_cast<int>(c.rate), hz), "") << channel;
            }
        }
    }
}

// Five seconds in parts of two: three files, and the server's tone runs on unbroken from
// one into the next, so no sample was lost or doubled where they join.
TEST_F(RecordTest, PartsOfTwoSecondsJoinExactly)
{
    RecordInto(QStringLiteral("take.wav"), WAVE_MAPPER, 16, CHANNELS_STEREO, 48000, 5000, 2);
    const auto parts = RecordedParts(Path("take"));
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].size(), 2 * 48000 * 4);
    EXPECT_EQ(parts[1].size(), 2 * 48000 * 4);
    const QByteArray joined = parts[0] + parts[1] + parts[2];
    for (int channel : {0, 1})
        EXPECT_EQ(ToneBreaksIn(joined, 16, 2, channel, 48000, EnvHz("TESSAVOX_SINE_HZ", 440)), "") << channel;
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
    const std::uint32_t monitor = Monitor();
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
        // Opus may move from its speech coder to its music coder once it has heard the tone
        // (about 0.4 s in); the tone's phase then moves for good by up to 2.6 degrees, less
        // than one sample lost (3.3 at 48 kHz, 3.6 at 44.1 kHz).
        const double maxJump = format.type == FileType::Opus ? 3.0 : 2.0;
        for (int channel = 0; channel < channels; ++channel) {
            EXPECT_NEAR(ToneFrequency(out.pcm, 16, channels, channel, static_cast<int>(out.rate)), hz, 5.0);
            EXPECT_EQ(ToneBreaksIn(out.pcm, 16, channels, channel, static_cast<int>(out.rate), hz, maxJump), "")
                << channel;
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
// the format's own tool where there is one, to within a second of the moment of the kill; a
// WAV file's header already tells the sound that is in it.
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

    if (format.HasExtension(QStringLiteral("wav"))) {
        const auto w = ReadRecordedWave(path);
        ASSERT_TRUE(w);
        EXPECT_GE(w->dataSize / 4.0 / 44100.0, 1.5);
        EXPECT_LE(static_cast<qsizetype>(46 + w->dataSize), w->bytes.size());
        EXPECT_EQ(w->dataSize % 4, 0u);
    }
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

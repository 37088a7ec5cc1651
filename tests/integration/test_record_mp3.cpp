// MP3 recording through the real sound server: each file decodes to the source's channels,
// rate, length and unbroken tone, in 128 kbit/s frames that start with the Info tag.

#include "ServerFixture.h"
#include "encoder/Mp3Decode.h"
#include "encoder/Mp3Frames.h"
#include "support/ToneBreaks.h"
#include "support/WaveFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {

class RecordMp3Test : public ServerFixture {
protected:
    // Records for the given time into a.mp3 (and, when split, the right channel into
    // `right`); the seconds between StartRecord and Stop.
    double RecordFor(std::uint32_t device, std::uint32_t mode, std::uint32_t rate, int ms,
                     const QString& right = QStringLiteral("b.mp3"))
    {
        CAudioPlayRec engine;
        EXPECT_TRUE(engine.Create(device, nullptr, nullptr, nullptr, nullptr));
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(engine.StartRecord(16, mode, rate));
        EXPECT_TRUE(engine.OpenRecordFile(0, Path("a.mp3")));
        if (mode == CHANNELS_SPLIT) {
            EXPECT_TRUE(engine.OpenRecordFile(1, Path(right)));
        }
        QTest::qWait(ms);
        engine.Stop();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        EXPECT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_READY; }, 3000));
        EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();
        return seconds;
    }

    // How far the file's length may be from the time recorded: the ring the device still
    // held at the stop, one MP3 frame, and the encoder's delay should the decoder keep it.
    static double Tolerance(std::uint32_t rate, int channels)
    {
        const int buffers = static_cast<int>(rate / 11025 + 2 + channels);
        const double ring = buffers * 4096.0 / (rate * channels * 2);
        return ring + 1152.0 / rate + 1105.0 / rate;
    }

    // Checks one file and returns it decoded.
    DecodedAudio Check(const QString& name, std::uint32_t rate, int channels, double seconds, int captureChannels)
    {
        SCOPED_TRACE(name.toStdString());
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        const std::vector<std::uint8_t> bytes(raw.begin(), raw.end());
        const auto frames = ReadFrames(bytes);
        EXPECT_TRUE(frames) << "not a sequence of layer III frames";
        if (frames && !frames->empty()) {
            EXPECT_EQ(PayloadTag(bytes, frames->front()), "Info");
            for (const Mp3Frame& frame : *frames) {
                EXPECT_EQ(frame.kbps, 128) << "frame at " << frame.offset;
                EXPECT_EQ(frame.rate, static_cast<int>(rate)) << "frame at " << frame.offset;
            }
        }
        std::string error;
        const auto audio = DecodeMp3(Path(name).toStdString(), error);
        EXPECT_TRUE(audio) << error;
        if (!audio)
            return {};
        EXPECT_EQ(audio->rate, static_cast<long>(rate));
        EXPECT_EQ(audio->channels, channels);
        const double decoded = static_cast<double>(audio->Frames()) / rate;
        EXPECT_NEAR(decoded, seconds, Tolerance(rate, captureChannels));
        return *audio;
    }

    // Where one channel's tone breaks, described; empty when it runs unbroken. The first and
    // last 100 ms are left out: the encoder's edges are not the tone.
    static std::string Breaks(const DecodedAudio& audio, int channel, double hz)
    {
        const auto rate = static_cast<double>(audio.rate);
        return DescribeBreaks(ToneBreaks(DecodedChannel(audio, channel), rate, hz, static_cast<std::size_t>(audio.rate / 10)),
                              rate);
    }
};

} // namespace

TEST_F(RecordMp3Test, MonoFromTheSineSource)
{
    const double seconds = RecordFor(WAVE_MAPPER, CHANNELS_MONO, 48000, 3000);
    const DecodedAudio audio = Check(QStringLiteral("a.mp3"), 48000, 1, seconds, 1);
    EXPECT_NEAR(ToneFrequency(audio, 0), EnvHz("TESSAVOX_SINE_HZ", 440), 5.0);
    EXPECT_EQ(Breaks(audio, 0, EnvHz("TESSAVOX_SINE_HZ", 440)), "");
}

TEST_F(RecordMp3Test, StereoFromTheSineSource)
{
    const double seconds = RecordFor(WAVE_MAPPER, CHANNELS_STEREO, 44100, 3000);
    const DecodedAudio audio = Check(QStringLiteral("a.mp3"), 44100, 2, seconds, 2);
    EXPECT_NEAR(ToneFrequency(audio, 0), EnvHz("TESSAVOX_SINE_HZ", 440), 5.0);
    EXPECT_NEAR(ToneFrequency(audio, 1), EnvHz("TESSAVOX_SINE_HZ", 440), 5.0);
    EXPECT_EQ(Breaks(audio, 0, EnvHz("TESSAVOX_SINE_HZ", 440)), "");
    EXPECT_EQ(Breaks(audio, 1, EnvHz("TESSAVOX_SINE_HZ", 440)), "");
}

// The monitor carries a different tone on each channel, so a swapped or mixed channel shows.
TEST_F(RecordMp3Test, SplitFromTheMonitorGivesEachChannelItsTone)
{
    const std::uint32_t monitor = CaptureDeviceNamed(QStringLiteral("Monitor"));
    ASSERT_NE(monitor, WAVE_MAPPER) << "the private server has no monitor source";
    const double seconds = RecordFor(monitor, CHANNELS_SPLIT, 44100, 3000);
    const DecodedAudio left = Check(QStringLiteral("a.mp3"), 44100, 1, seconds, 2);
    const DecodedAudio right = Check(QStringLiteral("b.mp3"), 44100, 1, seconds, 2);
    EXPECT_EQ(left.Frames(), right.Frames());
    EXPECT_NEAR(ToneFrequency(left, 0), EnvHz("TESSAVOX_LEFT_HZ", 440), 5.0);
    EXPECT_NEAR(ToneFrequency(right, 0), EnvHz("TESSAVOX_RIGHT_HZ", 660), 5.0);
    EXPECT_EQ(Breaks(left, 0, EnvHz("TESSAVOX_LEFT_HZ", 440)), "");
    EXPECT_EQ(Breaks(right, 0, EnvHz("TESSAVOX_RIGHT_HZ", 660)), "");
}

// In the same recording, one channel to MP3 and the other to WAV: whatever the server's
// timing, the MP3 holds exactly as many samples as the WAV.
TEST_F(RecordMp3Test, SplitMp3IsAsLongAsTheWavOfTheSameRecording)
{
    const std::uint32_t monitor = CaptureDeviceNamed(QStringLiteral("Monitor"));
    ASSERT_NE(monitor, WAVE_MAPPER) << "the private server has no monitor source";
    const double seconds = RecordFor(monitor, CHANNELS_SPLIT, 44100, 3000, QStringLiteral("b.wav"));
    const DecodedAudio left = Check(QStringLiteral("a.mp3"), 44100, 1, seconds, 2);
    const auto right = ReadRecordedWave(Path("b.wav"));
    ASSERT_TRUE(right);
    EXPECT_EQ(left.Frames(), right->dataSize / 2u);
    EXPECT_NEAR(ToneFrequency(left, 0), EnvHz("TESSAVOX_LEFT_HZ", 440), 5.0);
}

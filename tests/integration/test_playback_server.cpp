// Playing through the real sound server: a file is heard to its end and nothing after it,
// a server that goes away ends the playback with a message, and bursts played are recorded
// skipping the silence between them.

#include "ServerFixture.h"
#include "support/AudioFormats.h"
#include "support/EngineTestAccess.h"
#include "support/EventCollector.h"
#include "support/FindDevice.h"
#include "support/FormatRows.h"
#include "support/PcmChannel.h"
#include "support/SoundServer.h"
#include "support/TestBuffers.h"
#include "support/ToolDecode.h"
#include "support/WaveBytes.h"
#include "support/WaveFile.h"

#include "platform/audio/pulse/PulseBackend.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>

#include <cmath>
#include <numbers>
#include <random>

using namespace platform;
using testsupport::ScopedNullSink;

namespace {

constexpr std::uint32_t FILE_RATE = 22050;
constexpr std::uint32_t HEARD_RATE = 48000;
constexpr int WINDOW = HEARD_RATE / 100; // 10 ms

// Stereo 16-bit PCM of a tone on both channels.
Bytes Tone(double hz, double seconds)
{
    Bytes pcm;
    const auto frames = static_cast<std::size_t>(seconds * FILE_RATE);
    for (std::size_t i = 0; i < frames; ++i) {
        const auto v = static_cast<std::uint16_t>(
            static_cast<std::int16_t>(12000 * std::sin(2 * std::numbers::pi * hz * static_cast<double>(i) / FILE_RATE)));
        for (int channel = 0; channel < 2; ++channel) {
            pcm.push_back(static_cast<std::uint8_t>(v));
            pcm.push_back(static_cast<std::uint8_t>(v >> 8));
        }
    }
    return pcm;
}

// The power of one frequency in a window of samples, against the window's whole power.
double Share(const std::vector<int>& samples, std::size_t at, double hz)
{
    double i = 0, q = 0, all = 0;
    for (std::size_t n = at; n < at + WINDOW; ++n) {
        const double angle = 2 * std::numbers::pi * hz * static_cast<double>(n - at) / HEARD_RATE;
        i += samples[n] * std::cos(angle);
        q += samples[n] * std::sin(angle);
        all += static_cast<double>(samples[n]) * samples[n];
    }
    return all > 0 ? 2 * (i * i + q * q) / WINDOW / all : 0;
}

// A 22050 Hz stereo 16-bit WAV file holding pcm, and then the chunks given; its path.
QString WriteWave(const QString& path, const Bytes& pcm, const Bytes& after = {})
{
    QFile file(path);
    const Bytes bytes = Riff(Chunk("fmt ", FormatRecord(2, FILE_RATE, 16)) + Chunk("data", pcm) + after);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size()));
    return path;
}

double Rms(const std::vector<int>& samples, std::size_t at)
{
    double all = 0;
    for (std::size_t n = at; n < at + WINDOW; ++n)
        all += static_cast<double>(samples[n]) * samples[n];
    return std::sqrt(all / WINDOW);
}

class PlaybackServerTest : public ServerFixture {
protected:
    // A test that ends early still leaves no engine reaching for its backend, gone with it.
    void TearDown() override
    {
        UseAudioBackend(nullptr);
        qunsetenv("PULSE_SINK");
    }

    static void Notify(std::uint32_t message, void* owner)
    {
        static_cast<PlaybackServerTest*>(owner)->notifications.push_back(message);
    }

    std::vector<std::uint32_t> notifications;
};

// The same sound as a WAV file, and as a file its format's own encoder made from one.
class PlayedFormatTest : public PlaybackServerTest, public ::testing::WithParamInterface<const FormatRow*> {};

} // namespace

// A 22050 Hz stereo file: a second of 1000 Hz, then 300 ms of 2000 Hz, then (in the WAV
// file) a chunk of noise such as tags other tools write after the sound. Played into a sink
// of this test's own while its monitor is recorded: the 2000 Hz is heard whole, and after it
// silence; every other format, made from the same sound by ffmpeg, as WAV.
TEST_P(PlayedFormatTest, TheEndOfTheSoundIsHeardAndNothingAfterIt)
{
    ScopedNullSink sink(QStringLiteral("TessavoxPlayedTo"));
    ASSERT_TRUE(sink.Loaded());
    // The engine plays to the default output: this sink, for a backend made from now on.
    qputenv("PULSE_SINK", sink.SinkDescription().toUtf8());
    PulseBackend backend;
    UseAudioBackend(&backend);

    std::mt19937 noise(11);
    Bytes tags(30000);
    for (auto& b : tags)
        b = static_cast<std::uint8_t>(noise());
    QString played = WriteWave(Path(QStringLiteral("ending.wav")), Tone(1000, 1.0) + Tone(2000, 0.3),
                               Chunk("LIST", Tag("INFO") + tags));
    if (!GetParam()->HasExtension(QStringLiteral("wav"))) {
        const QString encoded = Path(QStringLiteral("ending.") + QLatin1String(GetParam()->extensions[0]));
        ASSERT_TRUE(RunTool(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"),
                                                       played, encoded}));
        played = encoded;
    }

    const WAVEFORMATEX heard = testsupport::Pcm(HEARD_RATE, 16, 1);
    const int monitor = testsupport::FindDevice(backend, Direction::Capture, sink.MonitorDescription());
    ASSERT_GE(monitor, 0);
    testsupport::TestBuffers recording(1, testsupport::BytesFor(heard, 3000));
    tests::EventCollector log;
    std::unique_ptr<IWaveStream> ears;
    ASSERT_EQ(backend.Open(Direction::Capture, monitor, heard, &log, ears), MMSYSERR_NOERROR);
    ASSERT_EQ(ears->Prepare(recording[0]), MMSYSERR_NOERROR);
    ASSERT_EQ(ears->AddBuffer(recording[0]), MMSYSERR_NOERROR);
    ASSERT_EQ(ears->Start(), MMSYSERR_NOERROR);
    QTest::qWait(200);

    {
        CAudioPlayRec engine;
        ASSERT_TRUE(engine.Create(WAVE_MAPPER, nullptr, nullptr, &Notify, this));
        ASSERT_EQ(engine.Play(played), 1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_READY; }, 5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !notifications.empty() && notifications.back() == MM_WOM_CLOSE; }, 2000));
    }
    QTest::qWait(500);
    ASSERT_EQ(ears->Reset(), MMSYSERR_NOERROR);
    ASSERT_EQ(ears->Close(), MMSYSERR_NOERROR);
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();

    const std::vector<int> samples =
        ChannelSamples(recording[0]->lpData, recording[0]->dwBytesRecorded, 16, 1, 0);
    ASSERT_GT(samples.size(), static_cast<std::size_t>(HEARD_RATE));
    std::size_t second = 0; // windows where the 2000 Hz tone is what is heard
    std::size_t lastSecond = 0;
    std::size_t lastSound = 0;
    for (std::size_t at = 0; at + WINDOW <= samples.size(); at += WINDOW) {
        if (Rms(samples, at) > 100)
            lastSound = at;
        if (Share(samples, at, 2000) > 0.8) {
            ++second;
            lastSecond = at;
        }
    }
    // 300 ms of it, less a window at either edge.
    EXPECT_GE(second, 27u) << "the end of the sound was not heard";
    // Nothing is heard after it (a window of its edge at most).
    EXPECT_LE(lastSound, lastSecond + WINDOW) << "sound heard " << (lastSound - lastSecond) * 1000 / HEARD_RATE
                                              << " ms after the end of the file";
}

INSTANTIATE_TEST_SUITE_P(Formats, PlayedFormatTest, ::testing::ValuesIn(AllFormats()), FormatRowName);

TEST_F(PlaybackServerTest, AServerThatGoesAwayEndsThePlaybackWithAMessage)
{
    testsupport::SoundServer own;
    ASSERT_TRUE(own.Start()) << own.Failure().toStdString();
    testsupport::ScopedPulseServer useOwn(own.Address());
    PulseBackend backend;
    UseAudioBackend(&backend);

    const QString path = WriteWave(Path(QStringLiteral("long.wav")), Tone(1000, 5.0));
    {
        CAudioPlayRec engine;
        ASSERT_TRUE(engine.Create(WAVE_MAPPER, nullptr, nullptr, &Notify, this));
        ASSERT_EQ(engine.Play(path), 1);
        QTest::qWait(300);
        own.Stop();
        EXPECT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_READY; }, 5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !notifications.empty() && notifications.back() == MM_WOM_CLOSE; }, 2000));
        EXPECT_EQ(EngineTestAccess::WaveOut(engine), nullptr);
    }
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(messages.Texts()[0].endsWith(QStringLiteral(" Playback device failed")))
        << messages.Texts()[0].toStdString();
}

// Two bursts of tone played into a sink of this test's own, 2.3 s apart, while its monitor is
// recorded skipping silence with a file per sound: a file for each, holding the burst with
// the half second before it and the half second of "after" behind it, named 2.3 s apart.
TEST_F(PlaybackServerTest, BurstsPlayedIntoTheRecordedSourceGiveAFileEach)
{
    ScopedNullSink sink(QStringLiteral("TessavoxBursts"));
    ASSERT_TRUE(sink.Loaded());
    qputenv("PULSE_SINK", sink.SinkDescription().toUtf8());
    PulseBackend backend;
    UseAudioBackend(&backend);
    const auto silence = [](double seconds) { return Bytes(static_cast<std::size_t>(seconds * FILE_RATE) * 4, 0); };
    const QString bursts = WriteWave(Path(QStringLiteral("bursts.wav")),
                                     silence(0.8) + Tone(1000, 0.3) + silence(2.0) + Tone(1000, 0.3) + silence(1.5));
    const int monitor = testsupport::FindDevice(backend, Direction::Capture, sink.MonitorDescription());
    ASSERT_GE(monitor, 0);
    QDir(dir.path()).mkdir(QStringLiteral("takes"));
    {
        CAudioPlayRec recorder;
        ASSERT_TRUE(recorder.Create(static_cast<std::uint32_t>(monitor), nullptr, nullptr, nullptr, nullptr));
        recorder.SetSkipSilence({true, -45.0, 0.5, true});
        ASSERT_TRUE(recorder.StartRecord(16, CHANNELS_STEREO, HEARD_RATE));
        ASSERT_TRUE(recorder.OpenRecordFile(0, Path(QStringLiteral("takes/burst.wav"))));
        CAudioPlayRec player;
        ASSERT_TRUE(player.Create(WAVE_MAPPER, nullptr, nullptr, &Notify, this));
        ASSERT_EQ(player.Play(bursts), 1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return player.m_nStatus == STATUS_READY; }, 8000));
        EXPECT_TRUE(recorder.IsWaitingForSound());
        recorder.Stop();
        EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.m_nStatus == STATUS_READY; }, 3000));
    }
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();

    const QFileInfoList takes = QDir(Path(QStringLiteral("takes"))).entryInfoList(QDir::Files, QDir::Name);
    ASSERT_EQ(takes.size(), 2);
    std::vector<QDateTime> began;
    for (const QFileInfo& take : takes) {
        SCOPED_TRACE(take.fileName().toStdString());
        const auto wave = ReadRecordedWave(take.filePath());
        ASSERT_TRUE(wave);
        EXPECT_NEAR(wave->dataSize / (4.0 * HEARD_RATE), 1.3, 0.05);
        began.push_back(QDateTime::fromString(take.completeBaseName(), QStringLiteral("'burst_'yyyy-MM-dd_HH-mm-ss.zzz")));
        ASSERT_TRUE(began.back().isValid());
    }
    // Named from when the sound reached the program: a server's fragments move that a little.
    EXPECT_NEAR(began[0].msecsTo(began[1]), 2300, 150);
}

// What only the PulseAudio backend does: find no server, hear the private server's tones on
// the right channels, and outlive a server that goes away, finding the next by itself.

#include "platform/audio/pulse/PulseBackend.h"
#include "support/AudioFormats.h"
#include "support/EventCollector.h"
#include "support/FindDevice.h"
#include "support/PcmChannel.h"
#include "support/PrepareAndQueue.h"
#include "support/SoundServer.h"
#include "support/TestBuffers.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cmath>
#include <cstring>

using namespace platform;
using tests::EventCollector;
using testsupport::FindDevice;
using testsupport::Pcm;
using testsupport::PrepareAndQueue;
using testsupport::ScopedNullSink;
using testsupport::ScopedPulseServer;
using testsupport::SoundServer;
using testsupport::TestBuffers;

namespace {

constexpr int WAIT_MS = 10000;

// One channel's samples, centred on zero, without the first 100 ms: a stream may begin
// with a server cycle of silence (PipeWire's first cycle of a monitor is empty).
std::vector<int> Channel(const WAVEFORMATEX& format, const WAVEHDR& header, unsigned channel)
{
    std::vector<int> samples =
        ChannelSamples(header.lpData, header.dwBytesRecorded, format.wBitsPerSample, format.nChannels, channel);
    samples.erase(samples.begin(), samples.begin() + std::min<std::ptrdiff_t>(format.nSamplesPerSec / 10,
                                                                              static_cast<std::ptrdiff_t>(samples.size())));
    return samples;
}

// The frequency of a steady tone, from how often it rises through zero.
double Frequency(const std::vector<int>& samples, std::uint32_t rate)
{
    int rises = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        rises += samples[i - 1] < 0 && samples[i] >= 0;
    return samples.empty() ? 0.0 : rises * static_cast<double>(rate) / static_cast<double>(samples.size());
}

// Fills buffers with one tone per channel, going on where the last buffer stopped.
void FillTones(const WAVEFORMATEX& format, std::vector<WAVEHDR*> headers, double leftHz, double rightHz)
{
    std::uint64_t frame = 0;
    for (WAVEHDR* header : headers)
        for (std::uint32_t at = 0; at + format.nBlockAlign <= header->dwBufferLength;
             at += format.nBlockAlign, ++frame)
            for (unsigned channel = 0; channel < format.nChannels; ++channel) {
                const double t = static_cast<double>(frame) / format.nSamplesPerSec;
                const double wave = std::sin(2 * M_PI * (channel == 0 ? leftHz : rightHz) * t);
                char* sample = header->lpData + at + channel * format.wBitsPerSample / 8;
                if (format.wBitsPerSample == 8) {
                    sample[0] = static_cast<char>(128 + static_cast<int>(60 * wave));
                } else {
                    const auto value = static_cast<std::int16_t>(12000 * wave);
                    sample[0] = static_cast<char>(value & 0xFF);
                    sample[1] = static_cast<char>((value >> 8) & 0xFF);
                }
            }
}

// Records `milliseconds` from a capture device into one buffer.
void Record(IAudioBackend& backend, int device, const WAVEFORMATEX& format, unsigned milliseconds,
            TestBuffers& buffers)
{
    EventCollector log;
    std::unique_ptr<IWaveStream> stream;
    ASSERT_EQ(backend.Open(Direction::Capture, device, format, &log, stream), MMSYSERR_NOERROR);
    ASSERT_NO_FATAL_FAILURE(PrepareAndQueue(*stream, buffers));
    ASSERT_EQ(stream->Start(), MMSYSERR_NOERROR);
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.Count(MM_WIM_DATA) == 1u; }, WAIT_MS));
    ASSERT_EQ(buffers[0]->dwBytesRecorded, testsupport::BytesFor(format, milliseconds));
    ASSERT_EQ(stream->Close(), MMSYSERR_NOERROR);
}

TEST(PulseBackend, WithoutAServerListsNothingAndOpensNothing)
{
    ScopedPulseServer nowhere(QStringLiteral("unix:/nonexistent/tessavox/native"));
    PulseBackend backend;
    EventCollector log;
    for (Direction dir : {Direction::Capture, Direction::Playback}) {
        EXPECT_EQ(backend.DeviceCount(dir), 0u);
        EXPECT_TRUE(backend.DeviceName(dir, 0).isEmpty());
        std::unique_ptr<IWaveStream> stream;
        EXPECT_EQ(backend.Open(dir, DEFAULT_DEVICE, Pcm(44100, 16, 2), &log, stream), MMSYSERR_NODRIVER);
        EXPECT_FALSE(stream);
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(log.Events().empty());
}

// A socket that takes connections and never says a word, like a server that hangs.
class SilentServer {
public:
    SilentServer() : m_nSocket(socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = m_dir.filePath(QStringLiteral("native")).toUtf8();
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        m_bListening = m_nSocket >= 0 &&
                       bind(m_nSocket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                       listen(m_nSocket, 8) == 0;
        m_address = QStringLiteral("unix:") + QString::fromUtf8(path);
    }
    ~SilentServer()
    {
        if (m_nSocket >= 0)
            close(m_nSocket);
    }
    bool Listening() const { return m_bListening; }
    QString Address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    int m_nSocket;
    bool m_bListening = false;
    QString m_address;
};

TEST(PulseBackend, GivesUpOnAServerThatNeverAnswers)
{
    SilentServer silent;
    ASSERT_TRUE(silent.Listening());
    ScopedPulseServer hanging(silent.Address());
    PulseBackend backend;
    EventCollector log;
    EXPECT_EQ(backend.DeviceCount(Direction::Capture), 0u);
    std::unique_ptr<IWaveStream> stream;
    EXPECT_EQ(backend.Open(Direction::Capture, DEFAULT_DEVICE, Pcm(44100, 16, 2), &log, stream),
              MMSYSERR_NODRIVER);
    EXPECT_FALSE(stream);
}

TEST(PulseBackend, HearsEachToneOfThePrivateServerOnItsOwnChannel)
{
    if (!qEnvironmentVariableIsSet("TESSAVOX_SOUND_DIR"))
        GTEST_SKIP() << "needs the private sound server: eval \"$(scripts/start-sound-server)\"";
    PulseBackend backend;
    const double sineHz = qEnvironmentVariable("TESSAVOX_SINE_HZ").toDouble();
    const double leftHz = qEnvironmentVariable("TESSAVOX_LEFT_HZ").toDouble();
    const double rightHz = qEnvironmentVariable("TESSAVOX_RIGHT_HZ").toDouble();

    const int sine =
        FindDevice(backend, Direction::Capture, qEnvironmentVariable("TESSAVOX_SINE_DESCRIPTION"));
    ASSERT_GE(sine, 0);
    const WAVEFORMATEX mono = Pcm(48000, 16, 1);
    TestBuffers sineBuffer(1, testsupport::BytesFor(mono, 500));
    Record(backend, sine, mono, 500, sineBuffer);
    EXPECT_NEAR(Frequency(Channel(mono, *sineBuffer[0], 0), 48000), sineHz, sineHz * 0.03);

    const int monitor =
        FindDevice(backend, Direction::Capture, qEnvironmentVariable("TESSAVOX_MONITOR_DESCRIPTION"));
    ASSERT_GE(monitor, 0);
    for (const WAVEFORMATEX& stereo : {Pcm(48000, 16, 2), Pcm(8000, 8, 2)}) {
        SCOPED_TRACE(testing::Message()
                     << stereo.wBitsPerSample << " bits, " << stereo.nSamplesPerSec << " Hz");
        TestBuffers buffer(1, testsupport::BytesFor(stereo, 500));
        Record(backend, monitor, stereo, 500, buffer);
        EXPECT_NEAR(Frequency(Channel(stereo, *buffer[0], 0), stereo.nSamplesPerSec), leftHz, leftHz * 0.03);
        EXPECT_NEAR(Frequency(Channel(stereo, *buffer[0], 1), stereo.nSamplesPerSec), rightHz,
                    rightHz * 0.03);
    }
}

// A watched capture's buffers may wait for the watcher's next frame, which takes them in
// (Collect): they come then, during the call once nothing posted is ahead of them, full and
// in the order they were queued. Record above never collects: held buffers come by
// themselves too.
TEST(PulseBackend, AWatchedCaptureHandsItsBuffersOverAtEachFrameInOrder)
{
    if (!qEnvironmentVariableIsSet("TESSAVOX_SOUND_DIR"))
        GTEST_SKIP() << "needs the private sound server: eval \"$(scripts/start-sound-server)\"";
    PulseBackend backend;
    const int sine = FindDevice(backend, Direction::Capture, qEnvironmentVariable("TESSAVOX_SINE_DESCRIPTION"));
    ASSERT_GE(sine, 0);
    const WAVEFORMATEX mono = Pcm(48000, 16, 1);
    TestBuffers buffers(24, testsupport::BytesFor(mono, 25));
    EventCollector log;
    std::unique_ptr<IWaveStream> stream;
    ASSERT_EQ(backend.Open(Direction::Capture, sine, mono, &log, stream), MMSYSERR_NOERROR);
    ASSERT_NO_FATAL_FAILURE(PrepareAndQueue(*stream, buffers));
    ASSERT_EQ(stream->Start(), MMSYSERR_NOERROR);
    int collected = 0;
    int during = 0;
    for (int frame = 0; frame < 250 && log.Count(MM_WIM_DATA) < buffers.Count(); ++frame) {
        QTest::qWait(38);
        const std::size_t before = log.Count(MM_WIM_DATA);
        collected += stream->Collect([&log](const WaveEvent& ev) {
            WaveEvent copy(ev.Message(), ev.StreamId(), ev.Header(), ev.Error());
            QCoreApplication::sendEvent(&log, &copy);
        });
        during += log.Count(MM_WIM_DATA) > before;
    }
    EXPECT_GT(collected, 0) << "nothing was held for a frame";
    EXPECT_GT(during, 0) << "what was held was posted, to wake the watcher again";
    EXPECT_EQ(log.Headers(MM_WIM_DATA), buffers.All());
    for (WAVEHDR* header : buffers.All())
        EXPECT_EQ(header->dwBytesRecorded, header->dwBufferLength);
    EXPECT_EQ(stream->Reset(), MMSYSERR_NOERROR);
    EXPECT_EQ(stream->Close(), MMSYSERR_NOERROR);
}

TEST(PulseBackend, PlaysWhatItIsGivenOnTheRightChannels)
{
    if (!qEnvironmentVariableIsSet("TESSAVOX_SOUND_DIR"))
        GTEST_SKIP() << "needs the private sound server: eval \"$(scripts/start-sound-server)\"";
    ScopedNullSink sink(QStringLiteral("TessavoxPlayback"));
    ASSERT_TRUE(sink.Loaded());
    PulseBackend backend;
    const int output = FindDevice(backend, Direction::Playback, sink.SinkDescription());
    const int monitor = FindDevice(backend, Direction::Capture, sink.MonitorDescription());
    ASSERT_GE(output, 0);
    ASSERT_GE(monitor, 0);

    const WAVEFORMATEX heard = Pcm(48000, 16, 2);
    for (const WAVEFORMATEX& played : {Pcm(44100, 16, 2), Pcm(22050, 8, 2)}) {
        SCOPED_TRACE(testing::Message()
                     << played.wBitsPerSample << " bits, " << played.nSamplesPerSec << " Hz");
        TestBuffers recording(1, testsupport::BytesFor(heard, 600));
        TestBuffers tones(4, testsupport::BytesFor(played, 250));
        FillTones(played, tones.All(), 1000, 1500);
        EventCollector log;
        std::unique_ptr<IWaveStream> ears;
        std::unique_ptr<IWaveStream> mouth;
        ASSERT_EQ(backend.Open(Direction::Capture, monitor, heard, &log, ears), MMSYSERR_NOERROR);
        ASSERT_NO_FATAL_FAILURE(PrepareAndQueue(*ears, recording));
        ASSERT_EQ(ears->Start(), MMSYSERR_NOERROR);
        ASSERT_EQ(backend.Open(Direction::Playback, output, played, &log, mouth), MMSYSERR_NOERROR);
        ASSERT_NO_FATAL_FAILURE(PrepareAndQueue(*mouth, tones));
        ASSERT_TRUE(QTest::qWaitFor([&] { return log.Count(MM_WIM_DATA) == 1u; }, WAIT_MS));

        // The second half of the recording lies inside the second of tone.
        std::vector<int> left = Channel(heard, *recording[0], 0);
        std::vector<int> right = Channel(heard, *recording[0], 1);
        left.erase(left.begin(), left.begin() + static_cast<std::ptrdiff_t>(left.size() / 2));
        right.erase(right.begin(), right.begin() + static_cast<std::ptrdiff_t>(right.size() / 2));
        EXPECT_NEAR(Frequency(left, 48000), 1000, 30);
        EXPECT_NEAR(Frequency(right, 48000), 1500, 45);
        ASSERT_EQ(mouth->Reset(), MMSYSERR_NOERROR);
        ASSERT_EQ(mouth->Close(), MMSYSERR_NOERROR);
        ASSERT_EQ(ears->Close(), MMSYSERR_NOERROR);
    }
}

TEST(PulseBackend, ReportsAServerThatWentAwayAndFindsTheNextOne)
{
    SoundServer first;
    if (!first.Start())
        GTEST_SKIP() << "no private sound server could be started: " << first.Failure().toStdString();
    testsupport::ScopedServerLink server;
    ASSERT_TRUE(server.PointAt(first.Address()));
    PulseBackend backend;
    ASSERT_GT(backend.DeviceCount(Direction::Capture), 0u);
    // Watched, the backend notices by itself that the server went and that the next came.
    EventCollector watcher;
    tests::ScopedDeviceWatch watching(backend, &watcher);

    const WAVEFORMATEX format = Pcm(44100, 16, 2);
    TestBuffers buffers(2, testsupport::BytesFor(format, 2000));
    EventCollector log;
    std::unique_ptr<IWaveStream> stream;
    ASSERT_EQ(backend.Open(Direction::Capture, DEFAULT_DEVICE, format, &log, stream), MMSYSERR_NOERROR);
    ASSERT_NO_FATAL_FAILURE(PrepareAndQueue(*stream, buffers));
    ASSERT_EQ(stream->Start(), MMSYSERR_NOERROR);

    first.Stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.Count(MM_WIM_ERROR) == 1u; }, WAIT_MS));
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.DeviceListChanges() == 1u; }, WAIT_MS));
    const MMRESULT failure = log.Events().back().error;
    EXPECT_GE(failure, SERVER_ERROR_BASE);
    EXPECT_FALSE(backend.ErrorText(failure).isEmpty());
    EXPECT_EQ(backend.DeviceCount(Direction::Capture), 0u);
    std::unique_ptr<IWaveStream> refused;
    EXPECT_EQ(backend.Open(Direction::Capture, DEFAULT_DEVICE, format, &log, refused), MMSYSERR_NODRIVER);

    // The failed stream still gives its buffers back and closes.
    EXPECT_EQ(stream->Start(), failure);
    ASSERT_EQ(stream->Reset(), MMSYSERR_NOERROR);
    ASSERT_EQ(stream->Close(), MMSYSERR_NOERROR);
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.Count(MM_WIM_CLOSE) == 1u; }, WAIT_MS));
    EXPECT_EQ(log.Headers(MM_WIM_DATA), buffers.All());
    EXPECT_EQ(log.Count(MM_WIM_ERROR), 1u);

    // The next server comes up elsewhere; the backend, looking for one on its own thread
    // meanwhile, finds it through the link.
    SoundServer second;
    ASSERT_TRUE(second.Start()) << second.Failure().toStdString();
    ASSERT_TRUE(server.PointAt(second.Address()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.DeviceListChanges() == 2u; }, WAIT_MS));
    EXPECT_GT(backend.DeviceCount(Direction::Capture), 0u);
    ASSERT_EQ(backend.Open(Direction::Capture, DEFAULT_DEVICE, format, &log, stream), MMSYSERR_NOERROR);
    ASSERT_EQ(stream->Close(), MMSYSERR_NOERROR);
}

} // namespace

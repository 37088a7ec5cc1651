// What only the PulseAudio backend does: find no server, hear the private server's tones on
// the right channels, and outlive a server that goes away.

#include "platform/audio/pulse/PulseBackend.h"
#include "support/AudioFormats.h"
#include "support/SoundServer.h"
#include "support/TestBuffers.h"
#include "support/EventCollector.h"

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
using testsupport::Pcm;
using testsupport::ScopedPulseServer;
using testsupport::SoundServer;
using testsupport::TestBuffers;
using tests::EventCollector;

namespace {

constexpr int WAIT_MS = 10000;

int FindDevice(IAudioBackend& backend, Direction dir, const QString& name)
{
    for (unsigned i = 0; i < backend.DeviceCount(dir); ++i)
        if (backend.DeviceName(dir, i) == name)
            return static_cast<int>(i);
    return -1;
}

// One channel's samples, centred on zero.
std::vector<int> Channel(const WAVEFORMATEX& format, const WAVEHDR& header, unsigned channel)
{
    std::vector<int> samples;
    const auto* bytes = reinterpret_cast<const unsigned char*>(header.lpData);
    for (std::uint32_t at = channel * format.wBitsPerSample / 8; at < header.dwBytesRecorded;
         at += format.nBlockAlign)
        samples.push_back(format.wBitsPerSample == 8
                              ? bytes[at] - 128
                              : static_cast<std::int16_t>(bytes[at] | (bytes[at + 1] << 8)));
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

// Records `milliseconds` from a capture device into one buffer.
void Record(IAudioBackend& backend, int device, const WAVEFORMATEX& format, unsigned milliseconds,
            TestBuffers& buffers)
{
    EventCollector log;
    std::unique_ptr<IWaveStream> stream;
    ASSERT_EQ(backend.Open(Direction::Capture, device, format, &log, stream), MMSYSERR_NOERROR);
    ASSERT_EQ(stream->Prepare(buffers[0]), MMSYSERR_NOERROR);
    ASSERT_EQ(stream->AddBuffer(buffers[0]), MMSYSERR_NOERROR);
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
    EXPECT_EQ(backend.Open(Direction::Capture, DEFAULT_DEVICE, Pcm(44100, 16, 2), &log, stream), MMSYSERR_NODRIVER);
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

    const int sine = FindDevice(backend, Direction::Capture, qEnvironmentVariable("TESSAVOX_SINE_DESCRIPTION"));
    ASSERT_GE(sine, 0);
    const WAVEFORMATEX mono = Pcm(48000, 16, 1);
    TestBuffers sineBuffer(1, testsupport::BytesFor(mono, 500));
    Record(backend, sine, mono, 500, sineBuffer);
    EXPECT_NEAR(Frequency(Channel(mono, *sineBuffer[0], 0), 48000), sineHz, sineHz * 0.03);

    const int monitor =
        FindDevice(backend, Direction::Capture, qEnvironmentVariable("TESSAVOX_MONITOR_DESCRIPTION"));
    ASSERT_GE(monitor, 0);
    for (const WAVEFORMATEX& stereo : {Pcm(48000, 16, 2), Pcm(8000, 8, 2)}) {
        SCOPED_TRACE(testing::Message() << stereo.wBitsPerSample << " bits, " << stereo.nSamplesPerSec << " Hz");
        TestBuffers buffer(1, testsupport::BytesFor(stereo, 500));
        Record(backend, monitor, stereo, 500, buffer);
        EXPECT_NEAR(Frequency(Channel(stereo, *buffer[0], 0), stereo.nSamplesPerSec), leftHz, leftHz * 0.03);
        EXPECT_NEAR(Frequency(Channel(stereo, *buffer[0], 1), stereo.nSamplesPerSec), rightHz, rightHz * 0.03);
    }
}

TEST(PulseBackend, ReportsAServerThatWentAwayAndFindsTheNextOne)
{
    SoundServer first;
    if (!first.Start())
        GTEST_SKIP() << "no private sound server could be started: " << first.Failure().toStdString();
    ScopedPulseServer useFirst(first.Address());
    PulseBackend backend;
    ASSERT_GT(backend.DeviceCount(Direction::Capture), 0u);

    const WAVEFORMATEX format = Pcm(44100, 16, 2);
    TestBuffers buffers(2, testsupport::BytesFor(format, 2000));
    EventCollector log;
    std::unique_ptr<IWaveStream> stream;
    ASSERT_EQ(backend.Open(Direction::Capture, DEFAULT_DEVICE, format, &log, stream), MMSYSERR_NOERROR);
    for (WAVEHDR* header : buffers.All()) {
        ASSERT_EQ(stream->Prepare(header), MMSYSERR_NOERROR);
        ASSERT_EQ(stream->AddBuffer(header), MMSYSERR_NOERROR);
    }
    ASSERT_EQ(stream->Start(), MMSYSERR_NOERROR);

    first.Stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.Count(MM_WIM_ERROR) == 1u; }, WAIT_MS));
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

    SoundServer second;
    ASSERT_TRUE(second.Start()) << second.Failure().toStdString();
    ScopedPulseServer useSecond(second.Address());
    EXPECT_GT(backend.DeviceCount(Direction::Capture), 0u);
    ASSERT_EQ(backend.Open(Direction::Capture, DEFAULT_DEVICE, format, &log, stream), MMSYSERR_NOERROR);
    ASSERT_EQ(stream->Close(), MMSYSERR_NOERROR);
}

} // namespace

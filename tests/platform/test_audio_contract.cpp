// The device contract of AudioBackend.h, run unchanged against every backend: the virtual
// one and PulseAudio (on the private server of scripts/start-sound-server).

#include "platform/audio/AudioBackend.h"
#include "platform/audio/pulse/PulseBackend.h"
#include "platform/audio/virtual/VirtualBackend.h"
#include "support/AudioFormats.h"
#include "support/EventCollector.h"
#include "support/FindDevice.h"
#include "support/PrepareAndQueue.h"
#include "support/SoundServer.h"
#include "support/TestBuffers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <type_traits>

using namespace platform;
using tests::EventCollector;
using testsupport::Pcm;
using testsupport::PrepareAndQueue;
using testsupport::ScopedNullSink;
using testsupport::TestBuffers;

namespace {

constexpr int WAIT_MS = 10000;

// Each backend under test says what its devices are called, how time passes for it and
// how one of its running streams is made to fail.
class VirtualUnderTest {
public:
    bool Unavailable(std::string*) const { return false; }
    IAudioBackend& Backend() { return m_backend; }
    QStringList CaptureNames() const
    {
        return {QStringLiteral("Virtual Sine"), QStringLiteral("Virtual Counter"),
                QStringLiteral("Virtual Silence")};
    }
    QStringList PlaybackNames() const { return {QStringLiteral("Virtual Output")}; }

    // Its clock stands still unless moved, so each look at the condition moves it a little.
    bool WaitFor(const std::function<bool()>& done)
    {
        return QTest::qWaitFor(
            [&] {
                if (done())
                    return true;
                m_backend.Advance(480);
                return false;
            },
            WAIT_MS);
    }
    void LetTimePass(const WAVEFORMATEX& format, unsigned milliseconds)
    {
        m_backend.Advance(format.nSamplesPerSec * milliseconds / 1000);
        QCoreApplication::sendPostedEvents();
    }

    // A device of this test's own (the others keep their names and ids, not their
    // signals); removing it fails its streams, as unplugging a sound card does.
    int DoomedDevice(Direction dir)
    {
        m_doomedDir = dir;
        m_survivors.clear();
        for (const DeviceInfo& device : m_backend.Devices(dir))
            m_survivors.push_back({.name = device.name, .id = device.id});
        std::vector<VirtualDeviceSpec> devices = m_survivors;
        devices.push_back({.name = QStringLiteral("Virtual Doomed")});
        m_backend.SetDevices(dir, devices);
        return static_cast<int>(devices.size()) - 1;
    }
    void BreakDoomedDevice() { m_backend.SetDevices(m_doomedDir, m_survivors); }

    // Between Start and Finish exactly the time let pass goes by.
    static double Elapsed(unsigned milliseconds, const QElapsedTimer&) { return milliseconds; }
    // How far a capture ended by Finish may fall short of that time, or run over it.
    static constexpr double SHORT_MS = 0;
    static constexpr double OVER_MS = 0;

private:
    VirtualBackend m_backend;
    Direction m_doomedDir = Direction::Capture;
    std::vector<VirtualDeviceSpec> m_survivors;
};

class PulseUnderTest {
public:
    bool Unavailable(std::string* why) const
    {
        if (qEnvironmentVariableIsSet("PULSE_SERVER"))
            return false;
        *why = "PULSE_SERVER is not set: start the private sound server first "
               "(eval \"$(scripts/start-sound-server)\"); scripts/test does";
        return true;
    }
    IAudioBackend& Backend() { return m_backend; }
    QStringList CaptureNames() const
    {
        return {qEnvironmentVariable("TESSAVOX_SINE_DESCRIPTION"),
                qEnvironmentVariable("TESSAVOX_MONITOR_DESCRIPTION")};
    }
    QStringList PlaybackNames() const { return {qEnvironmentVariable("TESSAVOX_NULL_SINK_DESCRIPTION")}; }

    bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, WAIT_MS); }
    void LetTimePass(const WAVEFORMATEX&, unsigned milliseconds)
    {
        QTest::qWait(static_cast<int>(milliseconds));
    }

    // A sink of this test's own; unloading it takes away the sink and its monitor.
    int DoomedDevice(Direction dir)
    {
        m_doomed.emplace(QStringLiteral("TessavoxDoomed"));
        if (!m_doomed->Loaded())
            return -1;
        return testsupport::FindDevice(
            m_backend, dir, dir == Direction::Capture ? m_doomed->MonitorDescription() : m_doomed->SinkDescription());
    }
    void BreakDoomedDevice() { m_doomed->Remove(); }

    static double Elapsed(unsigned, const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }
    // A server's monitor renders ahead: a stream begins with the next block it renders after
    // Start, up to one block (the private PulseAudio's are 80 ms) later.
    static constexpr double SHORT_MS = 100;
    // And it may begin with the period the server was capturing when Start came: PipeWire's
    // are 1024 frames, 21 ms at 48 kHz (16 ms over was seen on a busy machine).
    static constexpr double OVER_MS = 25;

private:
    PulseBackend m_backend;
    std::optional<ScopedNullSink> m_doomed;
};

std::uint32_t OpenedMsg(Direction dir)
{
    return dir == Direction::Capture ? MM_WIM_OPEN : MM_WOM_OPEN;
}
std::uint32_t ReturnedMsg(Direction dir)
{
    return dir == Direction::Capture ? MM_WIM_DATA : MM_WOM_DONE;
}
std::uint32_t ClosedMsg(Direction dir)
{
    return dir == Direction::Capture ? MM_WIM_CLOSE : MM_WOM_CLOSE;
}
std::uint32_t FailedMsg(Direction dir)
{
    return dir == Direction::Capture ? MM_WIM_ERROR : MM_WOM_ERROR;
}

// One stream and the object its notifications go to. The stream goes first: its last
// notifications are addressed to the log.
struct Session {
    ~Session() { stream.reset(); }
    EventCollector log;
    std::unique_ptr<IWaveStream> stream;
};

template <typename UnderTest>
class AudioContract : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        if (m_under.Unavailable(&why))
            GTEST_SKIP() << why;
    }

    IAudioBackend& Backend() { return m_under.Backend(); }

    MMRESULT Open(Session& session, Direction dir, const WAVEFORMATEX& format, int device = DEFAULT_DEVICE)
    {
        return Backend().Open(dir, device, format, &session.log, session.stream);
    }
    // Opens a stream and queues the buffers. Playback needs no Start: the first buffer starts it.
    void OpenAndQueue(Session& session, Direction dir, const WAVEFORMATEX& format, TestBuffers& buffers,
                      int device = DEFAULT_DEVICE)
    {
        ASSERT_EQ(Open(session, dir, format, device), MMSYSERR_NOERROR);
        PrepareAndQueue(*session.stream, buffers);
    }
    // As OpenAndQueue, and a capture stream is started.
    void OpenAndRun(Session& session, Direction dir, const WAVEFORMATEX& format, TestBuffers& buffers,
                    int device = DEFAULT_DEVICE)
    {
        ASSERT_NO_FATAL_FAILURE(OpenAndQueue(session, dir, format, buffers, device));
        if (dir == Direction::Capture) {
            ASSERT_EQ(session.stream->Start(), MMSYSERR_NOERROR);
        }
    }
    bool WaitForCount(const Session& session, std::uint32_t message, std::size_t count)
    {
        return m_under.WaitFor([&] { return session.log.Count(message) >= count; });
    }
    // Closes the stream and checks that CLOSE came once, after everything else, and that
    // every notification was handled on the UI thread.
    void CloseAndExpectCloseLast(Session& session)
    {
        const std::uint32_t closed = ClosedMsg(session.stream->Dir());
        ASSERT_EQ(session.stream->Close(), MMSYSERR_NOERROR);
        ASSERT_TRUE(WaitForCount(session, closed, 1));
        EXPECT_EQ(session.log.Count(closed), 1u);
        EXPECT_EQ(session.log.Messages().back(), closed);
        for (const auto& e : session.log.Events())
            EXPECT_EQ(e.thread, QCoreApplication::instance()->thread())
                << "a notification was handled off the UI thread";
    }

    UnderTest m_under;
};

using Backends = ::testing::Types<VirtualUnderTest, PulseUnderTest>;
class BackendNames {
public:
    template <typename T>
    static std::string GetName(int)
    {
        return std::is_same_v<T, VirtualUnderTest> ? "Virtual" : "Pulse";
    }
};
TYPED_TEST_SUITE(AudioContract, Backends, BackendNames);

const Direction BOTH[] = {Direction::Capture, Direction::Playback};

const char* DirectionName(Direction dir)
{
    return dir == Direction::Capture ? "capture" : "playback";
}

bool IsSilent(const WAVEFORMATEX& format, const WAVEHDR& header)
{
    const char* data = header.lpData;
    for (std::uint32_t i = 0; i < header.dwBytesRecorded; ++i)
        if (static_cast<unsigned char>(data[i]) != (format.wBitsPerSample == 8 ? 0x80 : 0))
            return false;
    return true;
}

TYPED_TEST(AudioContract, ListsEveryDeviceByTheNameUsersKnow)
{
    IAudioBackend& backend = this->Backend();
    for (Direction dir : BOTH) {
        // Other test processes add and take away sinks of their own on the shared server: a
        // list that changed while it was read is read again.
        QStringList names;
        QString beyond;
        for (int read = 0; read < 5; ++read) {
            const unsigned count = backend.DeviceCount(dir);
            names.clear();
            for (unsigned i = 0; i < count; ++i)
                names << backend.DeviceName(dir, i);
            beyond = backend.DeviceName(dir, count);
            if (backend.DeviceCount(dir) == count && !names.contains(QString()) && beyond.isEmpty())
                break;
        }
        for (int i = 0; i < names.size(); ++i)
            EXPECT_FALSE(names[i].isEmpty()) << "device " << i;
        EXPECT_TRUE(beyond.isEmpty()) << beyond.toStdString();
        // A choice is kept by id: every device has its own.
        std::set<QString> ids;
        for (const DeviceInfo& device : backend.Devices(dir))
            EXPECT_TRUE(!device.id.isEmpty() && ids.insert(device.id).second) << device.id.toStdString();
        const QStringList expected =
            dir == Direction::Capture ? this->m_under.CaptureNames() : this->m_under.PlaybackNames();
        for (const QString& name : expected)
            EXPECT_TRUE(names.contains(name))
                << name.toStdString() << " missing from " << names.join(QStringLiteral(", ")).toStdString();
    }
}

TYPED_TEST(AudioContract, OpensTheDefaultDeviceAndClosesIt)
{
    std::set<std::uint64_t> ids;
    for (Direction dir : BOTH) {
        TestBuffers buffers(1, 64);
        Session s;
        ASSERT_EQ(this->Open(s, dir, Pcm(44100, 16, 2)), MMSYSERR_NOERROR);
        ASSERT_TRUE(s.stream);
        EXPECT_EQ(s.stream->Dir(), dir);
        EXPECT_TRUE(ids.insert(s.stream->Id()).second) << "stream ids are reused";
        if (dir == Direction::Playback) {
            EXPECT_EQ(s.stream->Finish(), MMSYSERR_NOTSUPPORTED) << "Finish is for capture only";
        }
        this->CloseAndExpectCloseLast(s);
        EXPECT_EQ(s.log.Messages(), (std::vector<std::uint32_t>{OpenedMsg(dir), ClosedMsg(dir)}));
        EXPECT_EQ(s.log.Events().front().streamId, s.stream->Id());

        // A closed stream refuses everything.
        EXPECT_EQ(s.stream->Prepare(buffers[0]), MMSYSERR_INVALHANDLE);
        EXPECT_EQ(s.stream->AddBuffer(buffers[0]), MMSYSERR_INVALHANDLE);
        EXPECT_EQ(s.stream->Reset(), MMSYSERR_INVALHANDLE);
        EXPECT_EQ(s.stream->Close(), MMSYSERR_INVALHANDLE);
    }
}

// In every corner of the formats, capture hands full buffers back in order, and playback
// hands back what it played.
TYPED_TEST(AudioContract, CapturesAndPlaysInEveryFormatCorner)
{
    for (std::uint16_t bits : {8, 16})
        for (std::uint16_t channels : {1, 2})
            for (std::uint32_t rate : {8000u, 48000u}) {
                SCOPED_TRACE(testing::Message()
                             << bits << " bits, " << channels << " channels, " << rate << " Hz");
                const WAVEFORMATEX format = Pcm(rate, bits, channels);
                TestBuffers heard(3, testsupport::BytesFor(format, 30));
                Session capture;
                ASSERT_NO_FATAL_FAILURE(this->OpenAndRun(capture, Direction::Capture, format, heard));
                ASSERT_TRUE(this->WaitForCount(capture, MM_WIM_DATA, 3));
                EXPECT_EQ(capture.log.Headers(MM_WIM_DATA), heard.All());
                for (const auto& e : capture.log.Events())
                    if (e.message == MM_WIM_DATA) {
                        EXPECT_EQ(e.streamId, capture.stream->Id());
                    }
                for (WAVEHDR* header : heard.All()) {
                    EXPECT_EQ(header->dwBytesRecorded, header->dwBufferLength) << "a buffer came back before it was full";
                    EXPECT_EQ(header->dwFlags & (WHDR_DONE | WHDR_INQUEUE), WHDR_DONE);
                }
                EXPECT_FALSE(IsSilent(format, *heard[0])) << "the default source plays a tone";
                ASSERT_EQ(capture.stream->Reset(), MMSYSERR_NOERROR);
                this->CloseAndExpectCloseLast(capture);
                // Nothing was lost: no MM_WIM_BREAK either.
                EXPECT_EQ(capture.log.Messages(), (std::vector<std::uint32_t>{MM_WIM_OPEN, MM_WIM_DATA, MM_WIM_DATA,
                                                                              MM_WIM_DATA, MM_WIM_CLOSE}));

                TestBuffers played(2, testsupport::BytesFor(format, 30), bits == 8 ? '\x80' : 0);
                Session playback;
                ASSERT_NO_FATAL_FAILURE(this->OpenAndQueue(playback, Direction::Playback, format, played));
                ASSERT_TRUE(this->WaitForCount(playback, MM_WOM_DONE, 2));
                EXPECT_EQ(playback.log.Headers(MM_WOM_DONE), played.All());
                EXPECT_EQ(played[1]->dwFlags & (WHDR_DONE | WHDR_INQUEUE), WHDR_DONE);
                this->CloseAndExpectCloseLast(playback);
                EXPECT_EQ(playback.log.Messages(),
                          (std::vector<std::uint32_t>{MM_WOM_OPEN, MM_WOM_DONE, MM_WOM_DONE, MM_WOM_CLOSE}));
            }
}

// Formats it cannot use and device numbers out of range are refused, and nothing is told.
TYPED_TEST(AudioContract, RefusesFormatsAndDevicesItCannotUse)
{
    Session s;
    std::vector<WAVEFORMATEX> refused = {Pcm(44100, 24, 2), Pcm(44100, 16, 3), Pcm(44100, 16, 0),
                                         Pcm(7999, 16, 2), Pcm(48001, 16, 2)};
    WAVEFORMATEX floating = Pcm(44100, 16, 2);
    floating.wFormatTag = 3;
    refused.push_back(floating);
    WAVEFORMATEX misaligned = Pcm(44100, 16, 2);
    misaligned.nBlockAlign = 2;
    refused.push_back(misaligned);
    WAVEFORMATEX wrongByteRate = Pcm(44100, 16, 2);
    wrongByteRate.nAvgBytesPerSec = 44100;
    refused.push_back(wrongByteRate);

    for (Direction dir : BOTH) {
        for (const WAVEFORMATEX& format : refused) {
            EXPECT_EQ(this->Open(s, dir, format), WAVERR_BADFORMAT)
                << format.wBitsPerSample << " bits, " << format.nChannels << " channels, "
                << format.nSamplesPerSec;
            EXPECT_FALSE(s.stream);
        }
        for (int device : {static_cast<int>(this->Backend().DeviceCount(dir)), -2}) {
            EXPECT_EQ(this->Open(s, dir, Pcm(44100, 16, 2), device), MMSYSERR_BADDEVICEID) << device;
            EXPECT_FALSE(s.stream);
        }
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(s.log.Events().empty()) << "a refused open posted a notification";
}

TYPED_TEST(AudioContract, CaptureResetHandsBackEveryBufferWithWhatItHolds)
{
    const WAVEFORMATEX format = Pcm(8000, 16, 1);
    TestBuffers buffers(3, testsupport::BytesFor(format, 2000));
    Session s;
    ASSERT_NO_FATAL_FAILURE(this->OpenAndRun(s, Direction::Capture, format, buffers));
    this->m_under.LetTimePass(format, 300);
    ASSERT_EQ(s.stream->Reset(), MMSYSERR_NOERROR);
    ASSERT_TRUE(this->WaitForCount(s, MM_WIM_DATA, 3));

    EXPECT_EQ(s.log.Headers(MM_WIM_DATA), buffers.All());
    // What was captured before Reset is in the first buffer, and no buffer skips ahead.
    EXPECT_GT(buffers[0]->dwBytesRecorded, 0u);
    EXPECT_FALSE(IsSilent(format, *buffers[0]));
    bool sawPartial = false;
    for (WAVEHDR* header : buffers.All()) {
        EXPECT_EQ(header->dwBytesRecorded % format.nBlockAlign, 0u);
        if (sawPartial) {
            EXPECT_EQ(header->dwBytesRecorded, 0u) << "buffer " << header->dwUser << " filled out of order";
        }
        sawPartial = sawPartial || header->dwBytesRecorded < header->dwBufferLength;
        EXPECT_EQ(header->dwFlags & (WHDR_DONE | WHDR_INQUEUE), WHDR_DONE);
    }
    this->CloseAndExpectCloseLast(s);
    EXPECT_EQ(s.log.Count(MM_WIM_DATA), 3u) << "a buffer came back twice";
}

// Finish ends a capture with the sound up to its moment in the first buffer, the others back
// empty; a buffer given after it comes straight back empty. Reset before any Start hands
// every buffer back empty, and leaves the stream usable for such a round.
TYPED_TEST(AudioContract, CaptureFinishEndsWithTheSoundUpToItsMoment)
{
    for (const bool resetFirst : {false, true}) {
        const WAVEFORMATEX format = resetFirst ? Pcm(16000, 8, 2) : Pcm(8000, 16, 1);
        SCOPED_TRACE(resetFirst ? "reset before Start, 8 bits" : "16 bits");
        TestBuffers buffers(3, testsupport::BytesFor(format, 2000));
        Session s;
        ASSERT_NO_FATAL_FAILURE(this->OpenAndQueue(s, Direction::Capture, format, buffers));
        const std::size_t early = resetFirst ? 3 : 0;
        if (resetFirst) {
            ASSERT_EQ(s.stream->Reset(), MMSYSERR_NOERROR);
            ASSERT_TRUE(this->WaitForCount(s, MM_WIM_DATA, early));
            EXPECT_EQ(s.log.Headers(MM_WIM_DATA), buffers.All());
            for (WAVEHDR* header : buffers.All())
                EXPECT_EQ(header->dwBytesRecorded, 0u);
            PrepareAndQueue(*s.stream, buffers);
        }
        // Timed from Start: opening the stream may take long on a busy machine, and no sound
        // is owed for it.
        QElapsedTimer clock;
        clock.start();
        ASSERT_EQ(s.stream->Start(), MMSYSERR_NOERROR);
        this->m_under.LetTimePass(format, 400);
        ASSERT_EQ(s.stream->Finish(), MMSYSERR_NOERROR);
        const double elapsed = TypeParam::Elapsed(400, clock);
        ASSERT_TRUE(this->WaitForCount(s, MM_WIM_DATA, early + 3));

        const std::vector<WAVEHDR*> returned = s.log.Headers(MM_WIM_DATA);
        EXPECT_EQ(std::vector<WAVEHDR*>(returned.begin() + static_cast<std::ptrdiff_t>(early), returned.end()),
                  buffers.All());
        const double recorded = buffers[0]->dwBytesRecorded * 1000.0 / format.nAvgBytesPerSec;
        EXPECT_GE(recorded, elapsed - TypeParam::SHORT_MS);
        EXPECT_LE(recorded, elapsed + TypeParam::OVER_MS);
        EXPECT_EQ(buffers[1]->dwBytesRecorded + buffers[2]->dwBytesRecorded, 0u);

        // Finished: a buffer given now comes straight back empty, and nothing more is captured.
        ASSERT_EQ(s.stream->Finish(), MMSYSERR_NOERROR);
        ASSERT_EQ(s.stream->AddBuffer(buffers[0]), MMSYSERR_NOERROR);
        ASSERT_TRUE(this->WaitForCount(s, MM_WIM_DATA, early + 4));
        EXPECT_EQ(s.log.Headers(MM_WIM_DATA).back(), buffers[0]);
        EXPECT_EQ(buffers[0]->dwBytesRecorded, 0u);
        this->CloseAndExpectCloseLast(s);
        EXPECT_EQ(s.log.Count(MM_WIM_DATA), early + 4);
    }
}

// Close is refused while a buffer is queued; Reset hands every one back, each once, in order,
// a playback stream's while it is playing.
TYPED_TEST(AudioContract, CloseWaitsUntilResetHandsBackEveryQueuedBuffer)
{
    for (Direction dir : BOTH) {
        SCOPED_TRACE(DirectionName(dir));
        const WAVEFORMATEX format = Pcm(44100, 16, 2);
        TestBuffers buffers(3, testsupport::BytesFor(format, 2000));
        Session s;
        ASSERT_NO_FATAL_FAILURE(this->OpenAndQueue(s, dir, format, buffers));
        EXPECT_EQ(s.stream->Close(), WAVERR_STILLPLAYING);
        this->m_under.LetTimePass(format, 100);
        ASSERT_EQ(s.stream->Reset(), MMSYSERR_NOERROR);
        ASSERT_TRUE(this->WaitForCount(s, ReturnedMsg(dir), 3));
        for (WAVEHDR* header : buffers.All())
            EXPECT_EQ(header->dwFlags & (WHDR_DONE | WHDR_INQUEUE), WHDR_DONE);
        this->CloseAndExpectCloseLast(s);
        EXPECT_EQ(s.log.Headers(ReturnedMsg(dir)), buffers.All()) << "a buffer came back twice or out of order";
    }
}

TYPED_TEST(AudioContract, DestroyingAnOpenStreamResetsAndClosesIt)
{
    for (Direction dir : BOTH) {
        SCOPED_TRACE(DirectionName(dir));
        const WAVEFORMATEX format = Pcm(11025, 8, 1);
        TestBuffers buffers(2, testsupport::BytesFor(format, 2000), '\x80');
        Session s;
        ASSERT_NO_FATAL_FAILURE(this->OpenAndRun(s, dir, format, buffers));
        s.stream.reset();
        ASSERT_TRUE(this->WaitForCount(s, ClosedMsg(dir), 1));
        EXPECT_EQ(s.log.Headers(ReturnedMsg(dir)), buffers.All());
        EXPECT_EQ(s.log.Messages().back(), ClosedMsg(dir));
    }
}

TYPED_TEST(AudioContract, QueuesOnlyPreparedBuffersAndEachOnce)
{
    for (Direction dir : BOTH) {
        SCOPED_TRACE(DirectionName(dir));
        TestBuffers buffers(1, 64000);
        Session s;
        ASSERT_EQ(this->Open(s, dir, Pcm(16000, 16, 1)), MMSYSERR_NOERROR);
        WAVEHDR* header = buffers[0];
        EXPECT_EQ(s.stream->AddBuffer(header), WAVERR_UNPREPARED);
        ASSERT_EQ(s.stream->Prepare(header), MMSYSERR_NOERROR);
        EXPECT_TRUE(header->dwFlags & WHDR_PREPARED);
        ASSERT_EQ(s.stream->AddBuffer(header), MMSYSERR_NOERROR);
        EXPECT_TRUE(header->dwFlags & WHDR_INQUEUE);
        EXPECT_EQ(s.stream->AddBuffer(header), WAVERR_STILLPLAYING);
        EXPECT_EQ(s.stream->Unprepare(header), WAVERR_STILLPLAYING);
        ASSERT_EQ(s.stream->Reset(), MMSYSERR_NOERROR);
        EXPECT_EQ(s.stream->Unprepare(header), MMSYSERR_NOERROR);
        EXPECT_FALSE(header->dwFlags & WHDR_PREPARED);
        this->CloseAndExpectCloseLast(s);
        EXPECT_EQ(s.log.Count(ReturnedMsg(dir)), 1u);
    }
}

TYPED_TEST(AudioContract, ExplainsEveryErrorCode)
{
    const MMRESULT codes[] = {MMSYSERR_ERROR,       MMSYSERR_BADDEVICEID, MMSYSERR_NODRIVER,
                              MMSYSERR_INVALHANDLE, WAVERR_BADFORMAT,     WAVERR_STILLPLAYING,
                              WAVERR_UNPREPARED,    SERVER_ERROR_BASE + 6};
    std::set<QString> texts;
    for (MMRESULT code : codes) {
        const QString text = this->Backend().ErrorText(code);
        EXPECT_FALSE(text.isEmpty()) << "code " << code;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), std::size(codes)) << "two codes share one text";
}

TYPED_TEST(AudioContract, ReportsAStreamFailureAsItsOwnNotification)
{
    for (Direction dir : BOTH) {
        SCOPED_TRACE(DirectionName(dir));
        const WAVEFORMATEX format = Pcm(48000, 16, 2);
        const int device = this->m_under.DoomedDevice(dir);
        ASSERT_GE(device, 0);
        TestBuffers buffers(2, testsupport::BytesFor(format, 2000));
        Session s;
        ASSERT_NO_FATAL_FAILURE(this->OpenAndRun(s, dir, format, buffers, device));

        this->m_under.BreakDoomedDevice();
        ASSERT_TRUE(this->WaitForCount(s, FailedMsg(dir), 1));
        const auto& failure = s.log.Events().back();
        EXPECT_EQ(failure.header, nullptr);
        EXPECT_GE(failure.error, SERVER_ERROR_BASE);
        EXPECT_FALSE(this->Backend().ErrorText(failure.error).isEmpty());

        // The buffers stay with the stream until Reset gives them back.
        EXPECT_EQ(s.stream->Close(), WAVERR_STILLPLAYING);
        ASSERT_EQ(s.stream->Reset(), MMSYSERR_NOERROR);
        this->CloseAndExpectCloseLast(s);
        EXPECT_EQ(s.log.Headers(ReturnedMsg(dir)), buffers.All());
        EXPECT_EQ(s.log.Count(FailedMsg(dir)), 1u);
    }
}

TYPED_TEST(AudioContract, TellsWatchersWhenACaptureDeviceComesAndGoes)
{
    EventCollector watcher;
    {
        tests::ScopedDeviceWatch watching(this->Backend(), &watcher);
        const int device = this->m_under.DoomedDevice(Direction::Capture);
        ASSERT_GE(device, 0);
        const DeviceInfo plugged = this->Backend().Devices(Direction::Capture).at(static_cast<std::size_t>(device));
        ASSERT_TRUE(this->m_under.WaitFor([&] { return watcher.DeviceListChanges() >= 1; }));
        // Events may be merged, and a late one may repeat the plugging (a server sends a new
        // source's properties after it): wait for a change after which the device is gone.
        std::size_t seen = watcher.DeviceListChanges();
        this->m_under.BreakDoomedDevice();
        ASSERT_TRUE(this->m_under.WaitFor([&] {
            if (watcher.DeviceListChanges() == seen)
                return false;
            seen = watcher.DeviceListChanges();
            const std::vector<DeviceInfo> left = this->Backend().Devices(Direction::Capture);
            return std::find(left.begin(), left.end(), plugged) == left.end();
        })) << plugged.id.toStdString() << " still listed after every change told";
    }
    QCoreApplication::sendPostedEvents();
    const std::size_t told = watcher.DeviceListChanges();
    ASSERT_GE(this->m_under.DoomedDevice(Direction::Capture), 0);
    this->m_under.LetTimePass(Pcm(48000, 16, 2), 100);
    EXPECT_EQ(watcher.DeviceListChanges(), told) << "told after it stopped watching";
}

} // namespace

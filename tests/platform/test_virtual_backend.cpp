// The virtual devices themselves: the exact signals they produce, how buffers fill, play
// and come back, and what happens around the edges of a stream's life.

#include "platform/VirtualBackendFixture.h"
#include "support/PcmChannel.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cstdlib>

using namespace platform;

namespace tests {
namespace {

TEST_F(VirtualBackendTest, DevicesAreListedAndReplacedPerDirection)
{
    EXPECT_EQ(backend.DeviceCount(Direction::Capture), 3u);
    EXPECT_EQ(backend.DeviceName(Direction::Capture, COUNTER), "Virtual Counter");
    EXPECT_EQ(backend.DeviceName(Direction::Playback, 0), "Virtual Output");
    EXPECT_TRUE(backend.DeviceName(Direction::Capture, 3).isEmpty());

    backend.SetDevices(Direction::Capture, {{.name = "A", .signal = VirtualSignal::Counter}, {.name = "B"}});
    EXPECT_EQ(backend.DeviceCount(Direction::Capture), 2u);
    EXPECT_EQ(backend.DeviceCount(Direction::Playback), 1u);

    // The default device is device 0: here the counter.
    TestBuffers ring(1, 16);
    auto stream = Open(Direction::Capture, DEFAULT_DEVICE, Pcm(8000, 8, 1));
    Queue(*stream, ring);
    stream->Start();
    backend.Advance(16);
    ExpectCounter(Recorded(), 0);

    std::unique_ptr<IWaveStream> other;
    EXPECT_EQ(backend.Open(Direction::Capture, 2, Pcm(8000, 8, 1), &events, other), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(backend.Open(Direction::Capture, -2, Pcm(8000, 8, 1), &events, other), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(backend.Open(Direction::Capture, 0, Pcm(96000, 16, 2), &events, other), WAVERR_BADFORMAT);
    EXPECT_EQ(other, nullptr);
    backend.SetDevices(Direction::Playback, {});
    EXPECT_EQ(backend.Open(Direction::Playback, DEFAULT_DEVICE, Pcm(8000, 8, 1), &events, other), MMSYSERR_BADDEVICEID);
}

TEST_F(VirtualBackendTest, CounterRunsOnAcrossBuffersPartialBuffersAndResetStart)
{
    // 16-bit stereo into 250-byte buffers: frames straddle buffer boundaries.
    TestBuffers ring(4, 250);
    auto stream = Open(Direction::Capture, COUNTER, Pcm(8000, 16, 2));
    Queue(*stream, ring);
    ASSERT_EQ(stream->Start(), MMSYSERR_NOERROR);

    backend.Advance(200); // 800 bytes: three full buffers and 50 bytes in the fourth
    events.DeliverPosted();
    EXPECT_EQ(events.Headers(MM_WIM_DATA), (std::vector<WAVEHDR*>{ring[0], ring[1], ring[2]}));
    EXPECT_EQ(backend.QueuedOnLastStream(), 1u);
    EXPECT_EQ(ring[3]->dwBytesRecorded, 50u);

    ASSERT_EQ(stream->Reset(), MMSYSERR_NOERROR);
    QByteArray bytes = Recorded();
    EXPECT_EQ(events.Headers(MM_WIM_DATA).back(), ring[3]);
    ASSERT_EQ(bytes.size(), 800);
    ExpectCounter(bytes, 0);

    // Stopped: time passes but nothing is captured, so the stream resumes where it stopped.
    backend.Advance(1000);
    events.Clear();
    Queue(*stream, ring);
    EXPECT_EQ(ring[0]->dwBytesRecorded, 0u);
    stream->Start();
    backend.Advance(100);
    stream->Reset();
    bytes = Recorded();
    ASSERT_EQ(bytes.size(), 400);
    ExpectCounter(bytes, 800);
}

TEST_F(VirtualBackendTest, FramesWithNoBufferQueuedAreLost)
{
    TestBuffers ring(1, 10);
    auto stream = Open(Direction::Capture, COUNTER, Pcm(8000, 8, 1));
    stream->Start();
    backend.Advance(7); // started with nothing queued
    Queue(*stream, ring);
    backend.Advance(10);
    ExpectCounter(Recorded(), 7);

    backend.Advance(5); // the buffer is with the caller
    events.Clear();
    ASSERT_EQ(stream->AddBuffer(ring[0]), MMSYSERR_NOERROR);
    backend.Advance(10);
    ExpectCounter(Recorded(), 22);
}

std::vector<int> Samples(const QByteArray& bytes, unsigned bits, unsigned channels, unsigned channel)
{
    return ChannelSamples(bytes.constData(), static_cast<std::size_t>(bytes.size()), bits, channels, channel);
}

int SignChanges(const std::vector<int>& samples)
{
    int changes = 0;
    int previous = 0;
    for (int v : samples) {
        if (v != 0 && previous != 0 && (v > 0) != (previous > 0))
            ++changes;
        if (v != 0)
            previous = v;
    }
    return changes;
}

int Peak(const std::vector<int>& samples)
{
    int peak = 0;
    for (int v : samples)
        peak = std::max(peak, std::abs(v));
    return peak;
}

TEST_F(VirtualBackendTest, SineHasItsFrequencyPerChannelAtBothSampleSizes)
{
    for (std::uint16_t bits : {8, 16}) {
        for (std::uint16_t channels : {1, 2}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, " << channels << " channels");
            events.Clear();
            const WAVEFORMATEX format = Pcm(44100, bits, channels);
            TestBuffers ring(1, format.nAvgBytesPerSec); // one second
            auto stream = Open(Direction::Capture, SINE, format);
            Queue(*stream, ring);
            stream->Start();
            backend.Advance(44100);
            const QByteArray bytes = Recorded();
            ASSERT_EQ(bytes.size(), static_cast<qsizetype>(format.nAvgBytesPerSec));

            // Two sign changes per period, give or take the ends of the second.
            const std::vector<int> left = Samples(bytes, bits, channels, 0);
            EXPECT_NEAR(SignChanges(left), 880, 2);
            EXPECT_NEAR(Peak(left), bits == 8 ? 64 : 16384, bits == 8 ? 1 : 2) << "about half of full scale";
            if (channels == 2) {
                EXPECT_NEAR(SignChanges(Samples(bytes, bits, channels, 1)), 1320, 2);
            }
        }
    }
}

TEST_F(VirtualBackendTest, SilenceIsTheCentreValue)
{
    for (std::uint16_t bits : {8, 16}) {
        TestBuffers ring(1, 64, 0x55);
        auto stream = Open(Direction::Capture, SILENCE, Pcm(8000, bits, 2));
        Queue(*stream, ring);
        stream->Start();
        backend.Advance(1000);
        EXPECT_EQ(QByteArray(ring[0]->lpData, 64), QByteArray(64, bits == 8 ? '\x80' : '\0')) << bits << " bits";
    }
}

TEST_F(VirtualBackendTest, FlagsAndCodesFollowTheBufferThroughItsLife)
{
    TestBuffers ring(1, 8);
    auto stream = Open(Direction::Capture, COUNTER, Pcm(8000, 8, 1));
    WAVEHDR* h = ring[0];
    h->dwBytesRecorded = 99;
    EXPECT_EQ(stream->AddBuffer(h), WAVERR_UNPREPARED);
    ASSERT_EQ(stream->Prepare(h), MMSYSERR_NOERROR);
    EXPECT_EQ(h->dwFlags, WHDR_PREPARED);
    ASSERT_EQ(stream->AddBuffer(h), MMSYSERR_NOERROR);
    EXPECT_EQ(h->dwFlags, WHDR_PREPARED | WHDR_INQUEUE);
    EXPECT_EQ(h->dwBytesRecorded, 0u);
    EXPECT_EQ(stream->AddBuffer(h), WAVERR_STILLPLAYING);
    EXPECT_EQ(stream->Unprepare(h), WAVERR_STILLPLAYING);
    EXPECT_EQ(stream->Close(), WAVERR_STILLPLAYING);
    EXPECT_EQ(stream->Pause(), MMSYSERR_NOTSUPPORTED);

    stream->Start();
    backend.Advance(8);
    EXPECT_EQ(h->dwFlags, WHDR_PREPARED | WHDR_DONE);
    ASSERT_EQ(stream->AddBuffer(h), MMSYSERR_NOERROR);
    EXPECT_EQ(h->dwFlags, WHDR_PREPARED | WHDR_INQUEUE) << "re-queuing clears DONE";
    stream->Reset();
    EXPECT_EQ(h->dwFlags, WHDR_PREPARED | WHDR_DONE);
    ASSERT_EQ(stream->Unprepare(h), MMSYSERR_NOERROR);
    EXPECT_EQ(h->dwFlags, WHDR_DONE);
    ASSERT_EQ(stream->Close(), MMSYSERR_NOERROR);

    for (MMRESULT code : {stream->Prepare(h), stream->Unprepare(h), stream->AddBuffer(h), stream->Start(),
                          stream->Reset(), stream->Pause(), stream->Close()})
        EXPECT_EQ(code, MMSYSERR_INVALHANDLE);
}

TEST_F(VirtualBackendTest, NotificationsComeInOrderOnTheTargetsThread)
{
    TestBuffers ring(3, 10);
    auto stream = Open(Direction::Capture, COUNTER, Pcm(8000, 8, 1));
    Queue(*stream, ring);
    stream->Start();
    backend.Advance(15);
    stream->Reset();
    ASSERT_EQ(stream->Close(), MMSYSERR_NOERROR);
    backend.Advance(100);
    events.DeliverPosted();

    EXPECT_EQ(events.Messages(),
              (std::vector<std::uint32_t>{MM_WIM_OPEN, MM_WIM_DATA, MM_WIM_DATA, MM_WIM_DATA, MM_WIM_CLOSE}));
    EXPECT_EQ(events.Headers(MM_WIM_DATA), (std::vector<WAVEHDR*>{ring[0], ring[1], ring[2]}));
    EXPECT_EQ(ring[1]->dwBytesRecorded, 5u);
    EXPECT_EQ(ring[2]->dwBytesRecorded, 0u);
    for (const CollectedEvent& e : events.Events()) {
        EXPECT_EQ(e.streamId, stream->Id());
        EXPECT_EQ(e.thread, QCoreApplication::instance()->thread());
    }
    EXPECT_EQ(backend.OpenStreamCount(), 0u);
}

TEST_F(VirtualBackendTest, PlaybackKeepsWhatItPlaysInOrderAndHoldsWhilePaused)
{
    TestBuffers ring(3, 8);
    auto stream = Open(Direction::Playback, DEFAULT_DEVICE, Pcm(8000, 8, 1));
    for (unsigned i = 0; i < 3; ++i) {
        std::fill_n(ring[i]->lpData, 8, static_cast<char>('A' + i));
        ring[i]->dwBytesRecorded = 1; // whole buffers play, whatever the caller counted
    }
    backend.Advance(100); // nothing queued yet: nothing to keep
    Queue(*stream, ring);
    EXPECT_EQ(ring[0]->dwBytesRecorded, 1u) << "playback leaves the caller's count alone";

    backend.Advance(4);
    ASSERT_EQ(stream->Pause(), MMSYSERR_NOERROR);
    backend.Advance(100);
    EXPECT_EQ(backend.Played(), "AAAA");
    events.DeliverPosted();
    EXPECT_EQ(events.Count(MM_WOM_DONE), 0u);

    ASSERT_EQ(stream->Start(), MMSYSERR_NOERROR); // resumes where it was held
    backend.Advance(14);
    EXPECT_EQ(backend.Played(), "AAAAAAAABBBBBBBBCC");
    events.DeliverPosted();
    EXPECT_EQ(events.Headers(MM_WOM_DONE), (std::vector<WAVEHDR*>{ring[0], ring[1]}));

    // Reset hands back the rest at once; what was not played is not kept.
    ASSERT_EQ(stream->Reset(), MMSYSERR_NOERROR);
    events.DeliverPosted();
    EXPECT_EQ(events.Headers(MM_WOM_DONE).back(), ring[2]);
    EXPECT_EQ(backend.QueuedOnLastStream(), 0u);
    EXPECT_EQ(backend.Played(), "AAAAAAAABBBBBBBBCC");

    // After a reset a buffer plays from its start.
    Queue(*stream, ring);
    backend.Advance(8);
    EXPECT_EQ(backend.Played(), "AAAAAAAABBBBBBBBCCAAAAAAAA");
}

TEST_F(VirtualBackendTest, DestroyingAnOpenStreamResetsAndClosesIt)
{
    TestBuffers ring(2, 10);
    auto capture = Open(Direction::Capture, COUNTER, Pcm(8000, 8, 1));
    Queue(*capture, ring);
    capture->Start();
    backend.Advance(3);
    auto playback = Open(Direction::Playback, DEFAULT_DEVICE, Pcm(8000, 8, 1));
    EXPECT_EQ(backend.OpenStreamCount(), 2u);
    EXPECT_EQ(backend.QueuedOnLastStream(), 0u);
    playback.reset();
    EXPECT_EQ(backend.QueuedOnLastStream(), 0u) << "the stream opened last is gone";

    capture.reset();
    EXPECT_EQ(backend.OpenStreamCount(), 0u);
    events.DeliverPosted();
    EXPECT_EQ(events.Messages(), (std::vector<std::uint32_t>{MM_WIM_OPEN, MM_WOM_OPEN, MM_WOM_CLOSE, MM_WIM_DATA,
                                                             MM_WIM_DATA, MM_WIM_CLOSE}));
    ExpectCounter(Recorded(), 0);
    EXPECT_EQ(Recorded().size(), 3);
}

TEST_F(VirtualBackendTest, StreamAndBackendMayEndInEitherOrder)
{
    TestBuffers ring(1, 4);
    auto other = std::make_unique<VirtualBackend>();
    std::unique_ptr<IWaveStream> stream;
    ASSERT_EQ(other->Open(Direction::Playback, 0, Pcm(8000, 8, 1), &events, stream), MMSYSERR_NOERROR);
    Queue(*stream, ring);
    other->SetSpeed(4);
    other.reset();
    // The stream still answers and reports; it is only that time no longer passes for it.
    EXPECT_EQ(stream->Reset(), MMSYSERR_NOERROR);
    EXPECT_EQ(stream->Close(), MMSYSERR_NOERROR);
    events.DeliverPosted();
    EXPECT_EQ(events.Messages(), (std::vector<std::uint32_t>{MM_WOM_OPEN, MM_WOM_DONE, MM_WOM_CLOSE}));

    // A target that goes away first simply hears nothing more.
    auto target = std::make_unique<EventCollector>();
    ASSERT_EQ(backend.Open(Direction::Capture, COUNTER, Pcm(8000, 8, 1), target.get(), stream), MMSYSERR_NOERROR);
    Queue(*stream, ring);
    stream->Start();
    target.reset();
    backend.Advance(100);
    stream.reset();
    QCoreApplication::sendPostedEvents();
}

} // namespace
} // namespace tests

// Timed mode. An injected clock makes it exact: the frames produced are checked against the
// time the clock says has passed, never against how long the test happened to take.

#include "platform/VirtualBackendFixture.h"

using namespace platform;

namespace tests {
namespace {

constexpr std::int64_t MS = 1'000'000;

class VirtualTimingTest : public VirtualBackendTest {
protected:
    void SetUp() override
    {
        backend.SetClock([this] { return now; });
    }

    std::int64_t now = 0;
};

TEST_F(VirtualTimingTest, FractionalFramesAreNeitherLostNorInvented)
{
    // 11025 Hz gives 11.025 frames a millisecond: flooring each step would lose 25 frames a second.
    TestBuffers ring(1, 40000);
    auto stream = Open(Direction::Capture, COUNTER, Pcm(11025, 8, 1));
    Queue(*stream, ring);
    backend.SetSpeed(1);
    ASSERT_EQ(stream->Start(), MMSYSERR_NOERROR);
    for (int i = 0; i < 1000; ++i) {
        now += MS;
        stream->Start(); // a running stream catches up with the clock here, as on a tick
    }
    EXPECT_EQ(ring[0]->dwBytesRecorded, 11025u);

    // Half a second at 1, half a second at 3: two seconds of sound in one of time.
    now += 500 * MS;
    backend.SetSpeed(3);
    now += 500 * MS;
    stream->Start();
    EXPECT_EQ(ring[0]->dwBytesRecorded, 11025u + 22050u);

    // Back to manual: the clock runs on, the device does not.
    backend.SetSpeed(0);
    now += 1000 * MS;
    stream->Reset();
    EXPECT_EQ(ring[0]->dwBytesRecorded, 33075u);
    ExpectCounter(Recorded(), 0);
}

TEST_F(VirtualTimingTest, TheTimerDrivesCaptureAndPlaybackBySpeedTimesTime)
{
    TestBuffers in(11, 1600);
    TestBuffers out(3, 32000);
    auto capture = Open(Direction::Capture, COUNTER, Pcm(8000, 8, 1));
    auto playback = Open(Direction::Playback, 0, Pcm(8000, 16, 2));
    Queue(*capture, in);
    Queue(*playback, out);
    capture->Start();
    backend.SetSpeed(2);
    now += 1000 * MS;

    // No call reaches the streams now: only the backend's timer can bring them up to date.
    // Two seconds of sound: 16000 bytes captured, 64000 played.
    ASSERT_TRUE(events.WaitFor(MM_WIM_DATA, 10));
    ASSERT_TRUE(events.WaitFor(MM_WOM_DONE, 2));
    EXPECT_EQ(backend.Played().size(), 64000);
    capture->Reset();
    const QByteArray bytes = Recorded();
    EXPECT_EQ(bytes.size(), 16000) << "nothing beyond what the clock allows";
    ExpectCounter(bytes, 0);
}

TEST_F(VirtualTimingTest, RealClockRunsStreamsByThemselves)
{
    backend.SetClock(nullptr);
    TestBuffers ring(2, 4096);
    auto capture = Open(Direction::Capture, COUNTER, Pcm(48000, 16, 2));
    Queue(*capture, ring);
    capture->Start();
    backend.SetSpeed(50);
    ASSERT_TRUE(events.WaitFor(MM_WIM_DATA, 2));
    backend.SetSpeed(0);
    ExpectCounter(Recorded(), 0);
}

} // namespace
} // namespace tests

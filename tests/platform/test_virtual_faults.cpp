// Devices that fail on purpose, so the engine's error paths can be driven: each fault fails
// exactly where it says and leaves the stream in a state the contract allows.

#include "platform/VirtualBackendFixture.h"

using namespace platform;

namespace tests {
namespace {

class VirtualFaultTest : public VirtualBackendTest {
protected:
    std::unique_ptr<IWaveStream> OpenFaulty(Direction dir, VirtualFault fault, unsigned failAfter = 0)
    {
        backend.SetDevices(dir, {{.name = "Faulty", .signal = VirtualSignal::Counter, .fault = fault, .failAfter = failAfter}});
        return Open(dir, 0, Pcm(8000, 8, 1));
    }
};

TEST_F(VirtualFaultTest, OpenAndStartFaults)
{
    TestBuffers ring(1, 4);
    backend.SetDevices(Direction::Capture, {{.name = "Busy", .fault = VirtualFault::FailOpen}});
    std::unique_ptr<IWaveStream> stream;
    EXPECT_EQ(backend.Open(Direction::Capture, DEFAULT_DEVICE, Pcm(8000, 8, 1), &events, stream), MMSYSERR_ALLOCATED);
    EXPECT_EQ(stream, nullptr);
    EXPECT_EQ(backend.OpenStreamCount(), 0u);
    events.DeliverPosted();
    EXPECT_TRUE(events.Events().empty());

    stream = OpenFaulty(Direction::Capture, VirtualFault::FailStart);
    Queue(*stream, ring);
    EXPECT_EQ(stream->Start(), MMSYSERR_ERROR);
    backend.Advance(4);
    EXPECT_TRUE(Recorded().isEmpty()) << "a device that did not start captures nothing";
}

TEST_F(VirtualFaultTest, CountedCallsFailAfterTheirAllowance)
{
    TestBuffers ring(3, 4);
    auto stream = OpenFaulty(Direction::Capture, VirtualFault::FailPrepare, 2);
    EXPECT_EQ(stream->Prepare(ring[0]), MMSYSERR_NOERROR);
    EXPECT_EQ(stream->Prepare(ring[1]), MMSYSERR_NOERROR);
    EXPECT_EQ(stream->Prepare(ring[2]), MMSYSERR_NOMEM);
    EXPECT_FALSE(ring[2]->dwFlags & WHDR_PREPARED);
    EXPECT_EQ(stream->AddBuffer(ring[2]), WAVERR_UNPREPARED);

    stream = OpenFaulty(Direction::Capture, VirtualFault::FailAdd, 1);
    EXPECT_EQ(stream->AddBuffer(ring[0]), MMSYSERR_NOERROR);
    EXPECT_EQ(stream->AddBuffer(ring[1]), MMSYSERR_NOMEM);
    EXPECT_EQ(backend.QueuedOnLastStream(), 1u);
    EXPECT_FALSE(ring[1]->dwFlags & WHDR_INQUEUE);
    stream->Reset();

    stream = OpenFaulty(Direction::Playback, VirtualFault::FailUnprepare, 1);
    EXPECT_EQ(stream->Unprepare(ring[0]), MMSYSERR_NOERROR);
    EXPECT_EQ(stream->Unprepare(ring[1]), MMSYSERR_ERROR);
    EXPECT_TRUE(ring[1]->dwFlags & WHDR_PREPARED);
}

TEST_F(VirtualFaultTest, MidStreamCaptureFailureKeepsBuffersUntilReset)
{
    TestBuffers ring(4, 10);
    auto stream = OpenFaulty(Direction::Capture, VirtualFault::FailMidStream, 2);
    Queue(*stream, ring);
    stream->Start();
    backend.Advance(100);
    events.DeliverPosted();
    EXPECT_EQ(events.Messages(), (std::vector<std::uint32_t>{MM_WIM_OPEN, MM_WIM_DATA, MM_WIM_DATA, MM_WIM_ERROR}));
    EXPECT_EQ(events.Events().back().error, VIRTUAL_STREAM_FAILED);
    EXPECT_EQ(events.Events().back().header, nullptr);
    EXPECT_EQ(backend.QueuedOnLastStream(), 2u);
    EXPECT_EQ(ring[2]->dwBytesRecorded, 0u) << "nothing after the failure";

    backend.Advance(100);
    backend.FailOpenStreams(MMSYSERR_ERROR);
    events.DeliverPosted();
    EXPECT_EQ(events.Count(MM_WIM_ERROR), 1u) << "a stream fails once";

    EXPECT_EQ(stream->Close(), WAVERR_STILLPLAYING);
    ASSERT_EQ(stream->Reset(), MMSYSERR_NOERROR);
    ASSERT_EQ(stream->Close(), MMSYSERR_NOERROR);
    const QByteArray bytes = Recorded();
    EXPECT_EQ(events.Count(MM_WIM_DATA), 4u);
    ASSERT_EQ(bytes.size(), 20);
    ExpectCounter(bytes, 0);

    EXPECT_FALSE(backend.ErrorText(VIRTUAL_STREAM_FAILED).isEmpty());
    EXPECT_NE(backend.ErrorText(VIRTUAL_STREAM_FAILED), CommonErrorText(VIRTUAL_STREAM_FAILED));
    EXPECT_EQ(backend.ErrorText(WAVERR_STILLPLAYING), CommonErrorText(WAVERR_STILLPLAYING));
}

// Sound the server lost between the device and the program is a break, told once for each
// stretch lost, in order with the buffers.
TEST_F(VirtualFaultTest, LostSoundIsToldAsABreakBeforeTheBufferItResumesIn)
{
    TestBuffers ring(5, 4);
    auto stream = OpenFaulty(Direction::Capture, VirtualFault::DropBuffers, 2);
    Queue(*stream, ring);
    stream->Start();
    backend.Advance(24);
    events.DeliverPosted();
    EXPECT_EQ(events.Messages(), (std::vector<std::uint32_t>{MM_WIM_OPEN, MM_WIM_DATA, MM_WIM_DATA, MM_WIM_BREAK,
                                                             MM_WIM_DATA, MM_WIM_DATA, MM_WIM_BREAK}));
    // Bytes 8 to 11 and 20 on are gone; the signal ran on through them.
    EXPECT_EQ(ring[2]->lpData[0], 12);
    EXPECT_EQ(ring[3]->lpData[3], 19);

    stream->Reset();
}

TEST_F(VirtualFaultTest, MidStreamPlaybackFailureStopsPlaying)
{
    TestBuffers ring(2, 4);
    auto stream = OpenFaulty(Direction::Playback, VirtualFault::FailMidStream, 1);
    Queue(*stream, ring);
    backend.Advance(8);
    EXPECT_EQ(backend.Played().size(), 4);
    events.DeliverPosted();
    EXPECT_EQ(events.Messages(), (std::vector<std::uint32_t>{MM_WOM_OPEN, MM_WOM_DONE, MM_WOM_ERROR}));
}

TEST_F(VirtualFaultTest, FailOpenStreamsFailsEveryOpenStreamNow)
{
    TestBuffers in(1, 4);
    TestBuffers out(1, 4);
    auto capture = Open(Direction::Capture, COUNTER, Pcm(8000, 8, 1));
    auto playback = Open(Direction::Playback, 0, Pcm(8000, 8, 1));
    Queue(*capture, in);
    Queue(*playback, out);
    capture->Start();
    const MMRESULT gone = SERVER_ERROR_BASE + 1;
    backend.FailOpenStreams(gone);
    backend.Advance(100);
    EXPECT_TRUE(backend.Played().isEmpty());
    events.DeliverPosted();
    ASSERT_EQ(events.Count(MM_WIM_ERROR), 1u);
    ASSERT_EQ(events.Count(MM_WOM_ERROR), 1u);
    EXPECT_EQ(events.Events()[2].error, gone);
    EXPECT_EQ(events.Events()[3].error, gone);
    EXPECT_EQ(events.Count(MM_WIM_DATA), 0u);
    EXPECT_EQ(in[0]->dwBytesRecorded, 0u);
}

TEST_F(VirtualFaultTest, ResetAndCloseFaultsStillDoTheirWork)
{
    TestBuffers ring(2, 4);
    auto stream = OpenFaulty(Direction::Capture, VirtualFault::FailReset);
    Queue(*stream, ring);
    EXPECT_EQ(stream->Reset(), MMSYSERR_ERROR);
    EXPECT_EQ(backend.QueuedOnLastStream(), 0u);
    EXPECT_EQ(stream->Close(), MMSYSERR_NOERROR);

    stream = OpenFaulty(Direction::Playback, VirtualFault::FailClose);
    Queue(*stream, ring);
    EXPECT_EQ(stream->Close(), WAVERR_STILLPLAYING) << "queued buffers still come first";
    stream->Reset();
    EXPECT_EQ(stream->Close(), MMSYSERR_ERROR);
    EXPECT_EQ(backend.OpenStreamCount(), 0u);
    EXPECT_EQ(stream->Reset(), MMSYSERR_INVALHANDLE);
    events.DeliverPosted();
    EXPECT_EQ(events.Messages(), (std::vector<std::uint32_t>{MM_WIM_OPEN, MM_WIM_DATA, MM_WIM_DATA, MM_WIM_CLOSE,
                                                             MM_WOM_OPEN, MM_WOM_DONE, MM_WOM_DONE, MM_WOM_CLOSE}));
}

} // namespace
} // namespace tests

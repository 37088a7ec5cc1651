// Device failures: each is reported in the device's words and leaves the engine usable.

#include "support/EngineFixture.h"
#include "support/EngineTestAccess.h"
#include "support/WaveFile.h"

using platform::VirtualDeviceSpec;
using platform::VirtualFault;
using platform::VirtualSignal;

using FaultTest = EngineFixture;

namespace {
VirtualDeviceSpec Faulty(VirtualFault fault, unsigned after = 0)
{
    return {QStringLiteral("Faulty"), VirtualSignal::Counter, fault, after};
}
} // namespace

TEST_F(FaultTest, DeviceNumberBeyondTheCaptureDevicesIsRefused)
{
    // Playback goes to the default output, so the number of outputs does not matter.
    audio.SetDevices(platform::Direction::Playback, {});
    EXPECT_EQ(CreateEngine(3), 1);
    CAudioPlayRec second;
    EXPECT_EQ(second.Create(4, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(second.m_nStatus, STATUS_NONE);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Error audio device")});
    CAudioPlayRec mapper;
    EXPECT_EQ(mapper.Create(WAVE_MAPPER, nullptr, nullptr, nullptr, nullptr), 1);
}

// A device that cannot be opened or started: told in its words, and nothing is left held.
TEST_F(FaultTest, OpenOrStartFailureIsToldAndLeavesNothingHeld)
{
    const std::pair<VirtualFault, QString> cases[] = {
        {VirtualFault::FailOpen, QStringLiteral("WAVEIN:4:%1 waveInOpen()").arg(audio.ErrorText(MMSYSERR_ALLOCATED))},
        {VirtualFault::FailStart, QStringLiteral("WAVEIN:1:%1 waveInStart() failed").arg(audio.ErrorText(MMSYSERR_ERROR))},
    };
    for (const auto& [fault, told] : cases) {
        SCOPED_TRACE(told.toStdString());
        UseCaptureDevices({Faulty(fault)});
        engine = std::make_unique<CAudioPlayRec>();
        ASSERT_TRUE(CreateEngine(0));
        messages.Clear();
        EXPECT_EQ(engine->StartRecord(16, CHANNELS_STEREO, 44100), 0);
        EXPECT_EQ(messages.Texts(), std::vector<QString>{told});
        EXPECT_EQ(engine->m_nStatus, STATUS_READY);
        EXPECT_EQ(audio.OpenStreamCount(), 0u);
        EXPECT_EQ(EngineTestAccess::Queued(*engine), 0);
        EXPECT_TRUE(EngineTestAccess::Buffers(*engine).empty());
        EXPECT_EQ(EngineTestAccess::WaveIn(*engine), nullptr);
        Pump(); // the late close of a failed device must not disturb anything
        EXPECT_EQ(engine->m_nStatus, STATUS_READY);
        // The engine can record again on a working device.
        UseCaptureDevices({{QStringLiteral("Good"), VirtualSignal::Counter}});
        ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
        StopAndSettle();
        EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    }
}

// A buffer that cannot be prepared or queued at the start: told, and the rest are queued.
TEST_F(FaultTest, BufferThatCannotBeQueuedAtStartLeavesTheRest)
{
    for (const auto& [fault, call] : {std::pair{VirtualFault::FailAdd, "waveInAddBuffer() failed"},
                                      std::pair{VirtualFault::FailPrepare, "AddInputBufferToQueue Failed"}}) {
        SCOPED_TRACE(call);
        UseCaptureDevices({Faulty(fault, 7)});
        messages.Clear();
        ASSERT_TRUE(Record(0, 16, CHANNELS_STEREO, 44100, Path("seven.wav")));
        EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("WAVEIN:7:%1 %2")
                                                             .arg(audio.ErrorText(MMSYSERR_NOMEM), QLatin1String(call))});
        EXPECT_EQ(EngineTestAccess::Queued(*engine), 7);
        EXPECT_EQ(engine->m_nStatus, STATUS_RECORDING);
        StopAndSettle();
    }
}

TEST_F(FaultTest, UnprepareFailureDropsThatBufferAndCaptureGoesOn)
{
    UseCaptureDevices({Faulty(VirtualFault::FailUnprepare, 0)});
    ASSERT_TRUE(Record(0, 8, CHANNELS_MONO, 8000, Path("u.wav")));
    audio.Advance(4096);
    Pump();
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(messages.Texts()[0].endsWith(QStringLiteral(" waveInUnprepareHeader() failed")));
    EXPECT_EQ(engine->m_nStatus, STATUS_RECORDING);
}

TEST_F(FaultTest, StreamFailureFinishesTheFilesAndReturnsToReady)
{
    UseCaptureDevices({Faulty(VirtualFault::FailMidStream, 3)});
    ASSERT_TRUE(CreateEngine(0));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_SPLIT, 22050));
    ASSERT_TRUE(engine->OpenRecordFile(0, Path("l.wav")));
    ASSERT_TRUE(engine->OpenRecordFile(1, Path("r.wav")));
    // By the time the user reads of the failure, both files are finished.
    bool finishedFirst = false;
    messages.OnRecord([&](const platform::ShownMessage&) {
        finishedFirst = !engine->CurrentTake().IsOutputOpen(0) && !engine->CurrentTake().IsOutputOpen(1) && HasTrueSizes(Path("l.wav")) &&
                        HasTrueSizes(Path("r.wav"));
    });
    audio.Advance(10 * 1024);
    Pump();
    EXPECT_TRUE(finishedFirst);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], QStringLiteral("WAVEIN:%1:%2 Recording device failed")
                                       .arg(platform::VIRTUAL_STREAM_FAILED, 0, 16)
                                       .arg(audio.ErrorText(platform::VIRTUAL_STREAM_FAILED)));
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_EQ(notifications.back(), MM_WIM_CLOSE);
    EXPECT_FALSE(engine->CurrentTake().IsOutputOpen(0));
    EXPECT_FALSE(engine->CurrentTake().IsOutputOpen(1));
    for (const char* name : {"l.wav", "r.wav"}) {
        const auto w = ReadRecordedWave(Path(name));
        ASSERT_TRUE(w) << name;
        EXPECT_EQ(w->dataSize, 3u * 2048) << name; // the three buffers handed back before the failure
        EXPECT_EQ(w->riffSize, static_cast<std::uint32_t>(w->bytes.size() - 8)) << name;
    }
}

TEST_F(FaultTest, SoundLostOnTheWayIsCountedAsBreaksAndLeftOut)
{
    UseCaptureDevices({Faulty(VirtualFault::DropBuffers, 2)});
    ASSERT_TRUE(Record(0, 8, CHANNELS_MONO, 8000, Path("gaps.wav")));
    const auto size = static_cast<unsigned>(EngineTestAccess::BufferSize(*engine));
    // Two buffers kept and one lost, twice over, handed back one at a time.
    for (int i = 0; i < 6; ++i) {
        audio.Advance(size);
        Pump();
    }
    EXPECT_EQ(engine->CurrentTake().Breaks(), 2u);
    StopAndSettle();
    EXPECT_EQ(engine->CurrentTake().Breaks(), 2u) << "still known once the take has ended";
    EXPECT_TRUE(messages.Texts().empty()) << "a break is counted, not shown";
    const auto w = ReadRecordedWave(Path("gaps.wav"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->data, CounterBytes(2 * size) + CounterBytes(2 * size, 3 * size));

    // The next take counts its own.
    UseCaptureDevices({{QStringLiteral("Good"), VirtualSignal::Counter}});
    ASSERT_TRUE(Record(0, 8, CHANNELS_MONO, 8000, Path("whole.wav")));
    audio.Advance(size);
    Pump();
    StopAndSettle();
    EXPECT_EQ(engine->CurrentTake().Breaks(), 0u);
}

TEST_F(FaultTest, ResetAndCloseFailuresAreReportedAndTheCloseGoesOn)
{
    UseCaptureDevices({Faulty(VirtualFault::FailClose)});
    ASSERT_TRUE(Record(0, 8, CHANNELS_MONO, 8000, Path("c.wav")));
    StopAndSettle();
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(messages.Texts()[0].endsWith(QStringLiteral(" waveInClose() failed")));
    EXPECT_EQ(EngineTestAccess::WaveIn(*engine), nullptr);
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_TRUE(ReadRecordedWave(Path("c.wav")));
}

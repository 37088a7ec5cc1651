// The capture ring, the status machine, pause and stop, on the virtual backend.

#include "support/EngineFixture.h"
#include "support/EngineTestAccess.h"
#include "support/WaveFile.h"

#include <QTest>

#include <tuple>

using CaptureTest = EngineFixture;

struct RingCase {
    std::uint16_t bits;
    std::uint32_t mode;
    std::uint32_t rate;
    std::uint16_t buffers;
};

// Test names read "44100Hz_16bit_stereo" rather than raw bytes.
void PrintTo(const RingCase& c, std::ostream* os)
{
    static const char* const modes[] = {"mono", "stereo", "split"};
    *os << c.rate << "Hz_" << c.bits << "bit_" << modes[c.mode];
}

class RingSizeTest : public EngineFixture, public ::testing::WithParamInterface<RingCase> {};

TEST_P(RingSizeTest, RingGrowsWithTheDataRate)
{
    const RingCase c = GetParam();
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_TRUE(engine->StartRecord(c.bits, c.mode, c.rate));
    EXPECT_EQ(engine->m_nBufferCount, c.buffers);
    EXPECT_EQ(engine->m_nBufferSize, 4096);
    EXPECT_EQ(engine->m_nQueued, c.buffers);
    EXPECT_EQ(audio.QueuedOnLastStream(), c.buffers);
    StopAndSettle();
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
}

INSTANTIATE_TEST_SUITE_P(Formats, RingSizeTest,
                         ::testing::Values(RingCase{8, CHANNELS_MONO, 8000, 2}, RingCase{8, CHANNELS_MONO, 11025, 3},
                                           RingCase{16, CHANNELS_MONO, 22050, 5},
                                           RingCase{16, CHANNELS_STEREO, 22050, 6},
                                           RingCase{16, CHANNELS_STEREO, 44100, 8},
                                           RingCase{16, CHANNELS_STEREO, 48000, 8},
                                           RingCase{16, CHANNELS_SPLIT, 44100, 8}));

TEST_F(CaptureTest, BitsAboveSixteenAreTakenAsSixteen)
{
    ASSERT_TRUE(CreateEngine(SINE));
    for (std::uint16_t bits : {24, 32}) {
        ASSERT_TRUE(engine->StartRecord(bits, CHANNELS_STEREO, 44100));
        EXPECT_EQ(engine->m_wfx.wBitsPerSample, 16);
        EXPECT_EQ(engine->m_wfx.nBlockAlign, 4);
        StopAndSettle();
    }
}

TEST_F(CaptureTest, StatusMachineAndOwnerNotifications)
{
    EXPECT_EQ(engine->m_nStatus, STATUS_NONE);
    ASSERT_TRUE(CreateEngine(SINE));
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);

    engine->Stop(); // idle: nothing at all
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);

    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    EXPECT_EQ(engine->m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(engine->StartRecord(8, CHANNELS_MONO, 8000), 1); // already recording: nothing changes
    EXPECT_EQ(engine->m_wfx.nSamplesPerSec, 44100u);
    EXPECT_EQ(engine->Play(Path("none.wav")), 0);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Class status error")});
    messages.Clear();

    engine->Stop();
    EXPECT_EQ(engine->m_nStatus, STATUS_STOPPING);
    engine->Stop(); // a second Stop changes nothing
    EXPECT_EQ(engine->m_nStatus, STATUS_STOPPING);
    EXPECT_EQ(engine->StartRecord(16, CHANNELS_STEREO, 44100), 0);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Class status error")});

    Pump();
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_EQ(engine->m_nQueued, 0);
    EXPECT_EQ(engine->m_hWaveIn, nullptr);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    // Open and close reach the owner; the buffers' data notifications do too.
    ASSERT_FALSE(notifications.empty());
    EXPECT_EQ(notifications.front(), MM_WIM_OPEN);
    EXPECT_EQ(notifications.back(), MM_WIM_CLOSE);
}

TEST_F(CaptureTest, FileHoldsExactlyTheSoundUntilStop)
{
    ASSERT_TRUE(Record(COUNTER, 16, CHANNELS_STEREO, 44100, Path("take.wav")));
    // Three full buffers and part of a fourth: the part must not be lost at Stop.
    const unsigned frames = 3 * 1024 + 100;
    audio.Advance(frames);
    Pump();
    StopAndSettle();
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    // Sound that would come after Stop is never captured.
    audio.Advance(5000);
    Pump();

    const auto wave = ReadRecordedWave(Path("take.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->dataSize, frames * 4);
    EXPECT_EQ(wave->riffSize, static_cast<std::uint32_t>(wave->bytes.size() - 8));
    EXPECT_EQ(wave->data, CounterBytes(frames * 4));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CaptureTest, PauseKeepsTheRingCyclingButWritesNothing)
{
    ASSERT_TRUE(Record(COUNTER, 8, CHANNELS_MONO, 8000, Path("pause.wav")));
    audio.Advance(4096);
    Pump();
    engine->m_bPause = 1;
    Feed(3 * 4096); // more than the ring holds: it must keep being handed back
    EXPECT_EQ(engine->m_nQueued, 2);
    EXPECT_EQ(audio.QueuedOnLastStream(), 2u);
    const auto paused = ReadRecordedWave(Path("pause.wav"));
    engine->m_bPause = 0;
    Feed(4096);
    StopAndSettle();

    const auto wave = ReadRecordedWave(Path("pause.wav"));
    ASSERT_TRUE(wave);
    ASSERT_EQ(wave->dataSize, 2u * 4096);
    EXPECT_EQ(wave->data.left(4096), CounterBytes(4096));
    // Writing resumes with the next filled buffer; the paused sound is skipped.
    EXPECT_EQ(wave->data.mid(4096), CounterBytes(4096, 4 * 4096));
}

TEST_F(CaptureTest, RecordingWithoutOutputsCyclesUntilStopped)
{
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    audio.Advance(20 * 1024);
    Pump();
    EXPECT_EQ(engine->m_nQueued, 8);
    EXPECT_EQ(engine->m_nStatus, STATUS_RECORDING);
    StopAndSettle();
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
}

TEST_F(CaptureTest, SplitRecordingGivesEachFileItsOwnChannel)
{
    ASSERT_TRUE(CreateEngine(COUNTER));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_SPLIT, 44100));
    ASSERT_TRUE(engine->OpenRecordFile(0, Path("left_channel_take.wav")));
    ASSERT_TRUE(engine->OpenRecordFile(1, Path("right_channel_take.wav")));
    const unsigned frames = 2 * 1024 + 10;
    audio.Advance(frames);
    Pump();
    StopAndSettle();

    const QByteArray all = CounterBytes(frames * 4);
    QByteArray left, right;
    for (qsizetype p = 0; p < all.size(); p += 4) {
        left += all.mid(p, 2);
        right += all.mid(p + 2, 2);
    }
    const auto l = ReadRecordedWave(Path("left_channel_take.wav"));
    const auto r = ReadRecordedWave(Path("right_channel_take.wav"));
    ASSERT_TRUE(l && r);
    for (const auto* w : {&*l, &*r}) {
        EXPECT_EQ(w->channels, 1);
        EXPECT_EQ(w->rate, 44100u);
        EXPECT_EQ(w->bytesPerSecond, 88200u);
        EXPECT_EQ(w->blockAlign, 2);
        EXPECT_EQ(w->bits, 16);
    }
    EXPECT_EQ(l->data, left);
    EXPECT_EQ(r->data, right);
}

TEST_F(CaptureTest, SplitChannelsWorksOnBytes)
{
    ASSERT_TRUE(CreateEngine(SINE));
    EngineTestAccess::SetFormat(*engine, 8, CHANNELS_STEREO, 8000);
    EngineTestAccess::PrepareBuffers(*engine);
    const char eight[] = {1, 2, 3, 4, 5, 6, 7};
    // Whole frames only: the odd trailing byte is not a frame.
    ASSERT_EQ(EngineTestAccess::SplitChannels(*engine, 8, eight, 7), 3);
    EXPECT_EQ(QByteArray(engine->m_pLeft.data(), 3), QByteArray("\x01\x03\x05"));
    EXPECT_EQ(QByteArray(engine->m_pRight.data(), 3), QByteArray("\x02\x04\x06"));

    EngineTestAccess::SetFormat(*engine, 16, CHANNELS_STEREO, 8000);
    const char sixteen[] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(EngineTestAccess::SplitChannels(*engine, 16, sixteen, 8), 4);
    EXPECT_EQ(QByteArray(engine->m_pLeft.data(), 4), QByteArray("\x01\x02\x05\x06"));
    EXPECT_EQ(QByteArray(engine->m_pRight.data(), 4), QByteArray("\x03\x04\x07\x08"));
    EXPECT_EQ(EngineTestAccess::SplitChannels(*engine, 16, sixteen, 0), 0);
    EXPECT_EQ(EngineTestAccess::SplitChannels(*engine, 16, sixteen, -4), 0);

    EngineTestAccess::SetFormat(*engine, 16, CHANNELS_MONO, 8000);
    ASSERT_EQ(EngineTestAccess::SplitChannels(*engine, 16, sixteen, 6), 6);
    EXPECT_EQ(QByteArray(engine->m_pLeft.data(), 6), QByteArray(sixteen, 6));
    EXPECT_EQ(QByteArray(engine->m_pRight.data(), 6), QByteArray(sixteen, 6));
}

TEST_F(CaptureTest, CloseFallbackDoesNotEndTheNextRecording)
{
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    StopAndSettle();
    ASSERT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_FALSE(EngineTestAccess::CloseTimerActive(*engine));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    QTest::qWait(1200); // longer than the fallback's period
    EXPECT_EQ(engine->m_nStatus, STATUS_RECORDING);
    StopAndSettle();
}

TEST_F(CaptureTest, FallbackTimerClosesWhenBuffersNeverComeBack)
{
    // Every re-queue fails, so buffers leave the ring and the last one never returns.
    UseCaptureDevices({{QStringLiteral("Lossy"), platform::VirtualSignal::Counter, platform::VirtualFault::FailAdd, 2}});
    ASSERT_TRUE(Record(0, 8, CHANNELS_MONO, 8000, Path("lossy.wav")));
    audio.Advance(4096);
    Pump();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("WAVEIN:7:%1 waveInAddBuffer() failed")
                                                         .arg(audio.ErrorText(MMSYSERR_NOMEM))});
    engine->Stop();
    Pump();
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine->m_nStatus == STATUS_READY; }, 3000));
    const auto wave = ReadRecordedWave(Path("lossy.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->data, CounterBytes(4096));
}

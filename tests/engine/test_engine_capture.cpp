// The capture ring, the status machine, pause and stop, on the virtual backend.

#include "engine/view/ClipFlag.h"
#include "engine/view/LevelMeter.h"
#include "support/EngineFixture.h"
#include "support/EngineTestAccess.h"
#include "support/WaveFile.h"

#include <QAccessible>
#include <QTest>

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

// Without an output to write to, the ring still cycles, whole, until stopped.
TEST_P(RingSizeTest, RingGrowsWithTheDataRate)
{
    const RingCase c = GetParam();
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_TRUE(engine->StartRecord(c.bits, c.mode, c.rate));
    EXPECT_EQ(EngineTestAccess::BufferCount(*engine), c.buffers);
    EXPECT_EQ(EngineTestAccess::BufferSize(*engine), 4096);
    EXPECT_EQ(EngineTestAccess::Queued(*engine), c.buffers);
    EXPECT_EQ(audio.QueuedOnLastStream(), c.buffers);
    Feed(3 * c.rate); // far more than the ring holds
    EXPECT_EQ(EngineTestAccess::Queued(*engine), c.buffers);
    EXPECT_EQ(engine->m_nStatus, STATUS_RECORDING);
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
        EXPECT_EQ(engine->Format().wBitsPerSample, 16);
        EXPECT_EQ(engine->Format().nBlockAlign, 4);
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
    EXPECT_EQ(engine->Format().nSamplesPerSec, 44100u);
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
    EXPECT_EQ(EngineTestAccess::Queued(*engine), 0);
    EXPECT_EQ(EngineTestAccess::WaveIn(*engine), nullptr);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    // Open and close reach the owner; the buffers' data notifications do too.
    ASSERT_FALSE(notifications.empty());
    EXPECT_EQ(notifications.front(), MM_WIM_OPEN);
    EXPECT_EQ(notifications.back(), MM_WIM_CLOSE);
}

// A counter device that hands its sound over in fragments, as a sound server does.
platform::VirtualDeviceSpec Fragmented(unsigned fragment, int lead = 0, bool timing = true, unsigned lag = 0)
{
    platform::VirtualDeviceSpec device{.name = QStringLiteral("Fragmented"), .signal = platform::VirtualSignal::Counter};
    device.fragmentFrames = fragment;
    device.leadFrames = lead;
    device.timing = timing;
    device.timingLagFrames = lag;
    return device;
}

struct EdgeCase {
    int lead;                 // frames of sound from before Start the device begins with (< 0: it begins late)
    bool timing;              // whether the device says where its sound lies in time
    unsigned first;           // the counter frame the file begins with
    unsigned frames;          // and how many it holds
    unsigned lag = 0;         // frames after each edge before its timing is known
    unsigned fragment = 1000; // frames handed over at once (0: each as soon as captured)
};

void PrintTo(const EdgeCase& c, std::ostream* os)
{
    *os << (c.lead < 0 ? "late" : c.lead > 0 ? "early" : "prompt") << (c.timing ? "_timed" : "_untimed")
        << (c.lag ? "_lagging" : "") << (c.fragment ? "" : "_unfragmented");
}

class EdgeTest : public EngineFixture, public ::testing::WithParamInterface<EdgeCase> {};

// 3172 frames pass between Record and Stop, three buffers and part of a fourth, which must
// not be lost; sound after Stop is never captured. A device that hands its sound over in
// fragments of 1000 frames has at Stop part of the sound up to that moment still to come. A
// lagging device's timing comes after more fragments than the ring's 1024-frame buffers hold.
TEST_P(EdgeTest, FileHoldsTheSoundBetweenRecordAndStopAsTheTimingPlacesIt)
{
    const EdgeCase c = GetParam();
    UseCaptureDevices({Fragmented(c.fragment, c.lead, c.timing, c.lag)});
    ASSERT_TRUE(Record(0, 16, CHANNELS_STEREO, 44100, Path("edge.wav")));
    Feed(3172);
    engine->Stop();
    Pump();
    Feed(1000 + c.lag); // the fragment that holds the moment of Stop, and the timing for it
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    const auto wave = ReadRecordedWave(Path("edge.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->dataSize, c.frames * 4);
    EXPECT_EQ(wave->data, CounterBytes(c.frames * 4, c.first * 4));
    EXPECT_TRUE(messages.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Devices, EdgeTest,
                         ::testing::Values(EdgeCase{0, true, 0, 3172, 0, 0}, EdgeCase{0, true, 0, 3172},
                                           // Sound from before Record is left out.
                                           EdgeCase{300, true, 300, 3172},
                                           // What a late device never captured cannot be had.
                                           EdgeCase{-300, true, 0, 2872},
                                           // Sound that comes before the timing for its edge waits for it.
                                           EdgeCase{300, true, 300, 3172, 2500}, EdgeCase{-300, true, 0, 2872, 2500},
                                           // Without timing: all that came, up to what had come at Stop.
                                           EdgeCase{300, false, 0, 3000}, EdgeCase{-300, false, 0, 2000}));

// A ring of two buffers at 8000 Hz 8-bit mono, fragments of 4000 frames: when Stop comes,
// one buffer is on its way back full and the other cannot hold the rest of the sound up to
// Stop. The full one goes back to the device for it.
TEST_F(CaptureTest, BuffersThatComeBackFullAfterStopGoBackForTheRestOfTheSound)
{
    UseCaptureDevices({Fragmented(4000)});
    ASSERT_TRUE(Record(0, 8, CHANNELS_MONO, 8000, Path("slow.wav")));
    audio.Advance(11999);
    engine->Stop();
    Pump();
    EXPECT_EQ(engine->m_nStatus, STATUS_STOPPING);
    audio.Advance(1);
    Pump();
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    const auto wave = ReadRecordedWave(Path("slow.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->data, CounterBytes(11999));
}

TEST_F(CaptureTest, PauseKeepsTheRingCyclingButWritesNothing)
{
    ASSERT_TRUE(Record(COUNTER, 8, CHANNELS_MONO, 8000, Path("pause.wav")));
    audio.Advance(4096);
    Pump();
    engine->m_bPause = 1;
    Feed(3 * 4096); // more than the ring holds: it must keep being handed back
    EXPECT_EQ(EngineTestAccess::Queued(*engine), 2);
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

TEST_F(CaptureTest, SplitChannelsWorksOnBytes)
{
    ASSERT_TRUE(CreateEngine(SINE));
    EngineTestAccess::SetFormat(*engine, 8, CHANNELS_STEREO, 8000);
    EngineTestAccess::PrepareBuffers(*engine);
    const char eight[] = {1, 2, 3, 4, 5, 6, 7};
    // Whole frames only: the odd trailing byte is not a frame.
    ASSERT_EQ(EngineTestAccess::SplitChannels(*engine, 8, eight, 7), 3);
    EXPECT_EQ(QByteArray(EngineTestAccess::Left(*engine).data(), 3), QByteArray("\x01\x03\x05"));
    EXPECT_EQ(QByteArray(EngineTestAccess::Right(*engine).data(), 3), QByteArray("\x02\x04\x06"));

    EngineTestAccess::SetFormat(*engine, 16, CHANNELS_STEREO, 8000);
    const char sixteen[] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(EngineTestAccess::SplitChannels(*engine, 16, sixteen, 8), 4);
    EXPECT_EQ(QByteArray(EngineTestAccess::Left(*engine).data(), 4), QByteArray("\x01\x02\x05\x06"));
    EXPECT_EQ(QByteArray(EngineTestAccess::Right(*engine).data(), 4), QByteArray("\x03\x04\x07\x08"));
    EXPECT_EQ(EngineTestAccess::SplitChannels(*engine, 16, sixteen, 0), 0);
    EXPECT_EQ(EngineTestAccess::SplitChannels(*engine, 16, sixteen, -4), 0);

    EngineTestAccess::SetFormat(*engine, 16, CHANNELS_MONO, 8000);
    ASSERT_EQ(EngineTestAccess::SplitChannels(*engine, 16, sixteen, 6), 6);
    EXPECT_EQ(QByteArray(EngineTestAccess::Left(*engine).data(), 6), QByteArray(sixteen, 6));
    EXPECT_EQ(QByteArray(EngineTestAccess::Right(*engine).data(), 6), QByteArray(sixteen, 6));
}

// A flag lit as assistive tools see it: a checkable button, checked.
bool Lit(CClipFlag* flag)
{
    const QAccessible::State state = QAccessible::queryAccessibleInterface(flag)->state();
    return state.checkable && state.checked;
}

TEST_F(CaptureTest, FullScaleSamplesAreCaughtPerChannelAtBothSizesAndLayouts)
{
    // A sine on the left only: at full scale it reaches 32767 and -32768 (255 and 0 at
    // 8 bits); at 0.98 of it, loud as it is, it does not. A mono recording has one channel.
    // The flag stays lit after Stop, until a click, Space or a new recording clears it.
    for (const std::uint16_t bits : {8, 16}) {
        for (const std::uint32_t mode : {CHANNELS_MONO, CHANNELS_STEREO}) {
            for (const double amplitude : {1.0, 0.98}) {
                SCOPED_TRACE(QStringLiteral("%1 bits, mode %2, amplitude %3").arg(bits).arg(mode).arg(amplitude).toStdString());
                engine = std::make_unique<CAudioPlayRec>();
                UseCaptureDevices({{.name = QStringLiteral("Left"), .rightHz = 0, .amplitude = amplitude}});
                ASSERT_TRUE(CreateEngine(0));
                CLevelMeter left(QStringLiteral("Left"));
                CLevelMeter right(QStringLiteral("Right"));
                engine->AttachMeters(&left, &right);
                ASSERT_TRUE(engine->StartRecord(bits, mode, 22050));
                Feed(8192); // two buffers of 8-bit mono
                StopAndSettle();
                const bool full = amplitude >= 1.0;
                EXPECT_EQ(Lit(left.Flag()), full);
                EXPECT_EQ(Lit(right.Flag()), full && mode == CHANNELS_MONO);
                if (full && mode == CHANNELS_MONO) {
                    EXPECT_EQ(QAccessible::queryAccessibleInterface(right.Flag())->text(QAccessible::Name), "Right clipped");
                    left.Flag()->click();
                    EXPECT_FALSE(Lit(left.Flag())) << "a click clears it";
                    left.Flag()->click();
                    EXPECT_FALSE(Lit(left.Flag())) << "and never lights it";
                    QTest::keyClick(right.Flag(), Qt::Key_Space);
                    EXPECT_FALSE(Lit(right.Flag())) << "nor does Space";
                    ASSERT_TRUE(engine->StartRecord(bits, mode, 22050));
                    Feed(4096);
                    StopAndSettle();
                    ASSERT_TRUE(Lit(left.Flag()));
                    ASSERT_TRUE(engine->StartRecord(bits, mode, 22050));
                    EXPECT_FALSE(Lit(left.Flag())) << "a new recording starts clear";
                    StopAndSettle();
                }
            }
        }
    }
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
    // The recording goes on, but while the message is shown the file already tells its length.
    bool sizedFirst = false;
    messages.OnRecord([&](const platform::ShownMessage&) { sizedFirst = HasTrueSizes(Path("lossy.wav")); });
    audio.Advance(4096);
    Pump();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("WAVEIN:7:%1 waveInAddBuffer() failed")
                                                         .arg(audio.ErrorText(MMSYSERR_NOMEM))});
    EXPECT_TRUE(sizedFirst);
    messages.OnRecord(nullptr);
    engine->Stop();
    Pump();
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine->m_nStatus == STATUS_READY; }, 3000));
    const auto wave = ReadRecordedWave(Path("lossy.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->data, CounterBytes(4096));
}

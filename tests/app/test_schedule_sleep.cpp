// The computer stays awake while a scheduled recording waits and while any recording runs:
// the lock each moment takes from a login manager of our own, and each moment that lets it go.

#include "support/ScheduleFixture.h"
#include "support/WaveFile.h"

#include <functional>

namespace {
const QString WAITING = QStringLiteral("Waiting for a scheduled recording");
const QString RECORDING = QStringLiteral("Recording");
} // namespace

class ScheduleSleep : public ScheduleFixture {
protected:
    // The locks still held settle to reasons (the bus may keep a copy of a closed one for
    // a moment).
    bool Held(const std::vector<QString>& reasons)
    {
        return QTest::qWaitFor([&] { return loginManager.HeldReasons() == reasons; }, 5000);
    }
};

TEST_F(ScheduleSleep, AScheduledRecordingKeepsTheMachineAwakeFromRecordToItsStop)
{
    PrepareWave(Path("awake.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 10);
    Click(IDC_RECORD);
    ASSERT_EQ(loginManager.Calls().size(), 1u);
    const tests::InhibitCall waiting = loginManager.Calls()[0];
    EXPECT_EQ(waiting.what, "sleep");
    EXPECT_EQ(waiting.who, "Tessavox");
    EXPECT_EQ(waiting.why, WAITING);
    EXPECT_EQ(waiting.mode, "block");
    EXPECT_TRUE(Held({WAITING}));

    Wait(60);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_TRUE(Held({RECORDING}));
    EXPECT_EQ(loginManager.Calls().size(), 2u);
    Wait(10);
    EXPECT_EQ(Status(0), "Stopped");
    EXPECT_TRUE(Held({}));
}

TEST_F(ScheduleSleep, EachWayOutLetsTheLockGo)
{
    // The same files are recorded again in each new window.
    messages.AnswerQuestions(true);
    const auto waitForStart = [this] {
        PrepareWave(Path("later.wav"));
        Plan(platform::CurrentTime() + 60, 10);
        Click(IDC_RECORD);
    };
    const auto recordNow = [this] {
        PrepareWave(Path("now.wav"));
        Plan(0, 10);
        Click(IDC_RECORD);
    };
    struct Moment {
        const char* name;
        std::function<void()> arm;
        QString heldFor;
        std::function<void()> leave;
    } const moments[] = {
        {"Stop while waiting", waitForStart, WAITING, [this] { Click(IDC_STOP); }},
        {"Stop while recording", recordNow, RECORDING, [this] { Click(IDC_STOP); }},
        {"the scheduled stop", recordNow, RECORDING, [] { Wait(10); }},
        {"a start refused when due",
         [this] {
             PrepareWave(Path("refused.wav"));
             PlanUntil(platform::CurrentTime() + 60, platform::CurrentTime() - 60);
             Click(IDC_RECORD);
         },
         WAITING, [] { Wait(60); }},
        {"a start that fails",
         [this] {
             PrepareWave(Path("song.wav"));
             Tick(IDC_SCHEDULE_ENABLE, false);
             Click(IDC_RECORD);
             Feed(4000);
             Click(IDC_STOP);
             Pump();
             TypePath(Path("failed.wav"));
             Plan(platform::CurrentTime() + 60, 10);
             Click(IDC_RECORD);
             dialogs.Answer(Path("song.wav"));
             Click(IDC_PLAY);
         },
         WAITING, [] { Wait(60); }},
        {"a capture the device ends", recordNow, RECORDING,
         [this] {
             Feed(2048);
             audio.FailOpenStreams(platform::VIRTUAL_STREAM_FAILED);
             Pump();
         }},
        {"the end of the program", waitForStart, WAITING, [this] { window.reset(); }},
    };
    for (const Moment& m : moments) {
        Reopen();
        m.arm();
        EXPECT_TRUE(Held({m.heldFor})) << m.name;
        ASSERT_FALSE(loginManager.Calls().empty());
        EXPECT_EQ(loginManager.Calls().back().why, m.heldFor) << m.name;
        m.leave();
        EXPECT_TRUE(Held({})) << m.name;
    }
}

// The wake from a suspend looks at every countdown at once, as ticks stood still. An end keeps
// to the wall clock set back, and once past ends the recording with the sound captured, none
// for the time asleep. The wake is sent until seen: the window may listen only after the first.
TEST_F(ScheduleSleep, WakingFromASuspendChecksEveryCountdownAtOnce)
{
    const auto wakeUntil = [this](const std::function<bool()>& done) {
        return QTest::qWaitFor([&] { return loginManager.Resume(), done(); }, 5000);
    };
    PrepareWave(Path("woken.wav"));
    PlanUntil(Local(2024, 6, 12, 10, 0, 0), Local(2024, 6, 12, 11, 0, 0));
    Click(IDC_RECORD);
    clock.Jump(1800);
    EXPECT_TRUE(wakeUntil([this] { return Engine().m_nStatus == STATUS_RECORDING; }));
    Feed(3000);
    clock.Jump(-60);
    Wait(1900);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    clock.Jump(3600);
    EXPECT_TRUE(wakeUntil([this] { return Engine().m_nStatus == STATUS_READY; }));
    EXPECT_EQ(ReadRecordedWave(Path("woken.wav"))->dataSize, 3000u * 2);
}

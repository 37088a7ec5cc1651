// The computer stays awake while a scheduled recording waits and while any recording runs:
// the lock each moment takes from a login manager of our own, and each moment that lets it go.

#include "support/LoginManagerStandIn.h"
#include "support/ScheduleFixture.h"

#include <QTest>

#include <functional>

namespace {
const QString WAITING = QStringLiteral("Waiting for a scheduled recording");
const QString RECORDING = QStringLiteral("Recording");
} // namespace

class ScheduleSleep : public ScheduleFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(loginManager.Failure(), "");
        ScheduleFixture::SetUp();
    }

    // The locks still held settle to reasons (the bus may keep a copy of a closed one for
    // a moment).
    bool Held(const std::vector<QString>& reasons)
    {
        return QTest::qWaitFor([&] { return loginManager.HeldReasons() == reasons; }, 5000);
    }

    tests::LoginManagerStandIn loginManager;
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

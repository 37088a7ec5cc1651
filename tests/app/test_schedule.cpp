// Scheduled starts and stops on a manual clock: the notices, the start and stop at their
// moments, the refusals, what Stop, Record and Pause do to a pending schedule, and the
// lengths on the days the clock changes.

#include "ProductInfo.h"
#include "support/ScheduleFixture.h"
#include "support/WaveFile.h"

#include <QFileInfo>

namespace {
const QString BAD_START = QStringLiteral("Please check time setting in schedule panel, it's incorrect.");
const QString BAD_END = QStringLiteral("Please check duration time in schedule panel, it's incorrect.");
} // namespace

using ScheduledRecording = ScheduleFixture;

TEST_F(ScheduledRecording, StartsAMinuteAheadAndStopsAfterTheDuration)
{
    PrepareWave(Path("planned.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 10);
    Click(IDC_RECORD);
    EXPECT_EQ(Status(1), "Your recording will be started at 2024-06-12 10:00:00");
    EXPECT_EQ(Status(0), "Idle");
    EXPECT_TRUE(window->IsTimerSet(IDT_START));
    EXPECT_TRUE(Enabled(IDC_RECORD)) << "nothing records while waiting";

    Wait(59);
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    Wait(1);
    EXPECT_EQ(platform::CurrentTime(), Local(2024, 6, 12, 10, 0, 0));
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(Status(0), "Recording");
    EXPECT_EQ(Status(1), Path("planned.wav"));
    ASSERT_TRUE(desktop.WaitFor(1));
    const tests::Notification& told = desktop.Received()[0];
    EXPECT_EQ((QStringList{told.app, told.icon, told.summary, told.body}),
              (QStringList{"Tessavox", TESSAVOX_APP_ID, "Scheduled recording started", Path("planned.wav")}));
    EXPECT_FALSE(window->IsTimerSet(IDT_START));
    EXPECT_TRUE(window->IsTimerSet(IDT_END_DURATION));
    EXPECT_TRUE(window->IsTimerSet(IDT_ELAPSED));
    EXPECT_FALSE(Enabled(IDC_RECORD));

    // Only the stop countdown runs now: one count a second.
    for (int left = 9; left > 0; --left) {
        EXPECT_EQ(window->m_nCountdown, left);
        Feed(22050);
        Wait(1);
        ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING) << left;
    }
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:09");
    Feed(22050);
    Wait(1);
    EXPECT_EQ(Status(0), "Stopped");
    EXPECT_NE(Engine().m_nStatus, STATUS_RECORDING);
    for (int id : {IDT_END_DURATION, IDT_END_TIME, IDT_START, IDT_ELAPSED})
        EXPECT_FALSE(window->IsTimerSet(id)) << id;
    Pump();
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    const auto wave = ReadRecordedWave(Path("planned.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->dataSize, 10u * 22050 * 2);
    EXPECT_TRUE(messages.Messages().empty());
    ASSERT_TRUE(desktop.WaitFor(2));
    EXPECT_EQ((QStringList{desktop.Received()[1].summary, desktop.Received()[1].body}),
              (QStringList{"Scheduled recording finished", Path("planned.wav") + "\n00:00:10 recorded, 430.7 KB"}));
}

TEST_F(ScheduledRecording, ARecordingStartedAtOnceStopsAfterTheDurationOrAtTheEndTime)
{
    PrepareWave(Path("now.wav"));
    Plan(0, 5);
    Click(IDC_RECORD);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(Status(1), Path("now.wav")) << "the end notice gives way to the path";
    Wait(4);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    Wait(1);
    EXPECT_EQ(Status(0), "Stopped");
    Pump();

    TypePath(Path("until.wav"));
    PlanUntil(0, Local(2024, 6, 12, 10, 1, 0));
    Click(IDC_RECORD);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_TRUE(window->IsTimerSet(IDT_END_TIME));
    EXPECT_EQ(window->m_nCountdown, 115 - 1);
    Wait(114);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    Wait(1);
    EXPECT_EQ(platform::CurrentTime(), Local(2024, 6, 12, 10, 1, 0));
    EXPECT_EQ(Status(0), "Stopped");
    EXPECT_TRUE(messages.Messages().empty());
    // Those were started by hand: the first news the desktop has is of a scheduled start.
    Plan(Local(2024, 6, 12, 10, 2, 0), 5);
    Click(IDC_RECORD);
    Wait(60);
    ASSERT_TRUE(desktop.WaitFor(1));
    EXPECT_EQ(desktop.Received()[0].summary, "Scheduled recording started");
}

// The notice of an end shows only while nothing records, so it is checked where a start
// fails: at a capture that cannot start.
TEST_F(ScheduledRecording, EndNoticesSayWhenTheRecordingWillEnd)
{
    ReopenWithBrokenCapture();
    TypePath(Path("x.wav"));
    Choose(IDC_FILE_TYPE, 1);
    PlanUntil(0, Local(2024, 6, 14, 7, 30, 0));
    Schedule().UpdateData(true);
    EXPECT_TRUE(window->ArmStopAtEndTime());
    EXPECT_EQ(Status(1), "Your recording will be ended at 2024-06-14 07:30:00");
    Plan(0, 3600 + 30);
    Schedule().UpdateData(true);
    EXPECT_TRUE(window->ArmStopAfterDuration(platform::CurrentTime()));
    EXPECT_EQ(Status(1), "Your recording will be ended at 10:59:30");

    // A Record whose capture does not start leaves no end counting to stop a later one.
    Click(IDC_RECORD);
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    for (int id : {IDT_END_DURATION, IDT_END_TIME, IDT_START})
        EXPECT_FALSE(window->IsTimerSet(id)) << id;
    EXPECT_EQ(Status(1), "");
}

TEST_F(ScheduledRecording, RefusedTimesArmNothing)
{
    PrepareWave(Path("refused.wav"));
    struct Case {
        const char* name;
        std::int64_t start; // 0: at once
        int duration;
        QString message;
    } const cases[] = {
        {"start this very second", Local(2024, 6, 12, 9, 59, 0), 10, BAD_START},
        {"start a second ago", Local(2024, 6, 12, 9, 58, 59), 10, BAD_START},
        {"start yesterday", Local(2024, 6, 11, 10, 0, 0), 10, BAD_START},
        {"duration 00:00:00 at once", 0, 0, BAD_END},
    };
    for (const Case& c : cases) {
        messages.Clear();
        Plan(c.start, c.duration);
        Click(IDC_RECORD);
        ASSERT_EQ(messages.Messages().size(), 1u) << c.name;
        EXPECT_EQ(messages.Messages()[0].text, c.message) << c.name;
        EXPECT_EQ(messages.Messages()[0].caption, "Tessavox") << c.name;
        for (int id : {IDT_END_DURATION, IDT_END_TIME, IDT_START, IDT_ELAPSED})
            EXPECT_FALSE(window->IsTimerSet(id)) << c.name << " " << id;
        EXPECT_EQ(Engine().m_nStatus, STATUS_READY) << c.name;
        EXPECT_EQ(Status(1), "") << c.name;
    }
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    EXPECT_FALSE(QFileInfo::exists(Path("refused.wav")));
}

TEST_F(ScheduledRecording, AnEndAlreadyPastIsRefusedOnlyWhenTheStartComesDue)
{
    PrepareWave(Path("late.wav"));
    PlanUntil(Local(2024, 6, 12, 10, 0, 0), Local(2024, 6, 12, 9, 0, 0));
    Click(IDC_RECORD);
    EXPECT_TRUE(messages.Messages().empty()) << "accepted at Record";
    EXPECT_TRUE(window->IsTimerSet(IDT_START));
    Wait(60);
    ASSERT_EQ(messages.Texts(), std::vector<QString>{BAD_END});
    for (int id : {IDT_END_DURATION, IDT_END_TIME, IDT_START, IDT_ELAPSED})
        EXPECT_FALSE(window->IsTimerSet(id)) << id;
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    EXPECT_FALSE(QFileInfo::exists(Path("late.wav")));
    EXPECT_EQ(Status(1), "") << "the start notice no longer holds";
    ExpectToldFailure(BAD_END);
}

// The wall clock moved while the ticks stood still (a suspend, a clock set right or back) is
// seen at the next tick: a start passed is made late, its end counted from then, unless that
// has passed too; set back, it waits for its moment where ticks counted would not (at 60).
TEST_F(ScheduledRecording, AStartKeepsToTheWallClock)
{
    const std::int64_t ten = Local(2024, 6, 12, 10, 0, 0);
    const QString late = Path("moved.wav") + " (started late: it was due at 2024-06-12 10:00:00)";
    const QString missed = QStringLiteral("The recording planned from 2024-06-12 10:00:00 to 2024-06-12 %1 was not "
                                          "made: the computer was asleep, or its clock was set, past its end.");
    struct Case {
        const char* name;
        int duration;
        std::int64_t end; // 0: after the duration
        int jump;
        QString status;
        std::vector<QString> messages;
    } const cases[] = {
        {"60 s, 30 s late: ends at 10:01:00 as planned", 60, 0, 90, late, {}},
        {"10 s, an hour late", 10, 0, 3600, {}, {missed.arg("10:00:10")}},
        {"until 10:01, an hour late", 0, ten + 60, 3600, {}, {missed.arg("10:01:00")}},
        {"set back an hour", 10, 0, -3600, "Your recording will be started at 2024-06-12 10:00:00", {}},
    };
    for (const Case& c : cases) {
        platform::ManualClock at(Local(2024, 6, 12, 9, 59, 0));
        Reopen();
        messages.Clear();
        PrepareWave(Path("moved.wav"));
        c.end ? PlanUntil(ten, c.end) : Plan(ten, c.duration);
        Click(IDC_RECORD);
        at.Jump(c.jump);
        Wait(1);
        EXPECT_EQ(Status(1), c.status) << c.name;
        EXPECT_EQ(Engine().m_nStatus, c.status == late ? STATUS_RECORDING : STATUS_READY) << c.name;
        EXPECT_EQ(messages.Texts(), c.messages) << c.name;
        if (!c.messages.empty())
            ExpectToldFailure(c.messages[0]);
        if (c.status == late) {
            Wait(28);
            EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING) << c.name;
            Wait(1);
            EXPECT_NE(Engine().m_nStatus, STATUS_RECORDING) << c.name;
        }
        if (c.jump < 0) {
            Wait(3600 + 58);
            EXPECT_EQ(Engine().m_nStatus, STATUS_READY) << c.name;
            Wait(1);
            EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING) << c.name << ": at 10:00 on the clock set back";
        }
    }
}

TEST_F(ScheduledRecording, StopCancelsAPendingStartAndClearingTheEnableBoxDoesNot)
{
    PrepareWave(Path("cancel.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 10);
    Click(IDC_RECORD);
    Wait(30);
    Click(IDC_STOP);
    EXPECT_FALSE(window->IsTimerSet(IDT_START));
    EXPECT_EQ(Status(0), "Stopped");
    Wait(120);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);

    Plan(Local(2024, 6, 12, 10, 5, 0), 10);
    Click(IDC_RECORD);
    Tick(IDC_SCHEDULE_ENABLE, false);
    Wait(209);
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    Wait(1);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING) << "the armed start goes on";
    EXPECT_TRUE(window->IsTimerSet(IDT_END_DURATION)) << "with the end read at Record";
}

TEST_F(ScheduledRecording, RecordAgainWhileWaitingArmsFromTheNewValues)
{
    PrepareWave(Path("again.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 10);
    Click(IDC_RECORD);
    Wait(10);
    Plan(Local(2024, 6, 12, 11, 0, 0), 20);
    Click(IDC_RECORD);
    EXPECT_EQ(Status(1), "Your recording will be started at 2024-06-12 11:00:00");
    Wait(3649);
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    Wait(1);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(window->m_nCountdown, 19);
}

// A start time refused while another start waits leaves that start as it was: its own
// countdown, its notice, its moment.
TEST_F(ScheduledRecording, ARefusedStartKeepsThePendingOne)
{
    PrepareWave(Path("kept.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 10);
    Click(IDC_RECORD);
    Wait(10);
    const std::int64_t left = window->m_nCountdown;
    Plan(Local(2024, 6, 12, 9, 0, 0), 10);
    Click(IDC_RECORD);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{BAD_START});
    EXPECT_EQ(window->m_nCountdown, left);
    EXPECT_EQ(Status(1), "Your recording will be started at 2024-06-12 10:00:00");
    Wait(1);
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY) << "not fired by the refused time";
    Wait(48);
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    Wait(1);
    EXPECT_EQ(platform::CurrentTime(), Local(2024, 6, 12, 10, 0, 0));
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
}

// Record with the start box cleared starts now and drops the start that waited, so that
// start can never open this recording's file again.
TEST_F(ScheduledRecording, RecordingAtOnceCancelsAPendingStart)
{
    PrepareWave(Path("once.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 10);
    Click(IDC_RECORD);
    Wait(20);
    Tick(IDC_SCHEDULE_ENABLE, false);
    Click(IDC_RECORD);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_FALSE(window->IsTimerSet(IDT_START));
    EXPECT_EQ(Status(1), Path("once.wav"));
    for (int second = 0; second < 120; ++second) {
        Feed(1000);
        Wait(1);
    }
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(Status(1), Path("once.wav"));
    EXPECT_TRUE(messages.Messages().empty());
    Click(IDC_STOP);
    Pump();
    const auto wave = ReadRecordedWave(Path("once.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->dataSize, 120u * 1000 * 2) << "one recording, written once";

    // With scheduling still on and only the start box cleared, the same holds, and the
    // start's notice goes with it.
    TypePath(Path("again.wav"));
    Plan(Local(2024, 6, 12, 11, 0, 0), 10);
    Click(IDC_RECORD);
    EXPECT_TRUE(window->IsTimerSet(IDT_START));
    Tick(IDC_SCHEDULE_START, false);
    Click(IDC_RECORD);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_FALSE(window->IsTimerSet(IDT_START));
    EXPECT_EQ(window->m_nCountdown, 9) << "the end's countdown alone";
    Wait(10);
    EXPECT_EQ(Status(0), "Stopped");
    Pump();
    Wait(3600);
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ScheduledRecording, AStartWhileAFilePlaysStopsThePlayback)
{
    PrepareWave(Path("song.wav"));
    Click(IDC_RECORD);
    Feed(40000);
    Click(IDC_STOP);
    Pump();
    TypePath(Path("planned.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 10);
    Click(IDC_RECORD);
    dialogs.Answer(Path("song.wav"));
    Click(IDC_PLAY);
    ASSERT_EQ(Engine().m_nStatus, STATUS_PLAYING);
    Wait(60);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Class status error")});
    ExpectToldFailure(QStringLiteral("Class status error"));
    EXPECT_EQ(Status(0), "Stopped");
    EXPECT_EQ(Status(1), "");
    for (int id : {IDT_END_DURATION, IDT_END_TIME, IDT_START, IDT_ELAPSED})
        EXPECT_FALSE(window->IsTimerSet(id)) << id;
    Pump();
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_FALSE(QFileInfo::exists(Path("planned.wav")));
}

// A capture the device ends on its own takes its planned end with it: that end must not
// stop the next recording. The desktop hears of the failure, and of no end.
TEST_F(ScheduledRecording, ACaptureEndedByTheDeviceTakesItsEndWithIt)
{
    PrepareWave(Path("failing.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 10);
    Click(IDC_RECORD);
    Wait(63);
    audio.FailOpenStreams(platform::VIRTUAL_STREAM_FAILED);
    Pump();
    ASSERT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_FALSE(window->IsTimerSet(IDT_END_DURATION));
    ExpectToldFailure(messages.Texts().back());

    messages.Clear();
    Tick(IDC_SCHEDULE_ENABLE, false);
    TypePath(Path("next.wav"));
    Click(IDC_RECORD);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    Wait(20);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(Status(0), "Recording");
}

TEST_F(ScheduledRecording, PauseDoesNotDelayTheStop)
{
    PrepareWave(Path("paused.wav"));
    Plan(0, 10);
    Click(IDC_RECORD);
    // Whole buffers (2048 frames) between the presses: pause works a buffer at a time.
    Feed(2048);
    Wait(3);
    Click(IDC_PAUSE);
    Feed(4096);
    Wait(4);
    Click(IDC_PAUSE);
    Feed(2048);
    Wait(2);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    Feed(2048);
    Wait(1);
    EXPECT_EQ(Status(0), "Stopped") << "ten seconds after the start, paused ones included";
    Pump();
    EXPECT_EQ(ReadRecordedWave(Path("paused.wav"))->dataSize, 3u * 2048 * 2);
}

// On the days the clock changes, a start is as many real seconds away as the clock on the
// wall says, and a duration is its hours, minutes and seconds.
TEST_F(ScheduledRecording, ClockChangeDays)
{
    struct Day {
        const char* name;
        int month;
        int day;
        std::int64_t untilFive; // seconds from midnight to 05:00 on the wall
    } const days[] = {
        {"spring forward", 3, 31, 4 * 3600},
        {"fall back", 10, 27, 6 * 3600},
    };
    for (const Day& d : days) {
        platform::ManualClock midnight(Local(2024, d.month, d.day, 0, 0, 0));
        Reopen();
        PrepareWave(Path(QString::fromLatin1(d.name) + ".wav"));
        Plan(0, 3 * 3600);
        Click(IDC_RECORD);
        EXPECT_EQ(window->m_nCountdown, 3 * 3600 - 1) << d.name;
        Wait(3 * 3600 - 1);
        EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING) << d.name;
        Wait(1);
        EXPECT_EQ(Status(0), "Stopped") << d.name << ": three hours are three hours";
        Pump();

        Plan(Local(2024, d.month, d.day, 5, 0, 0), 10);
        Click(IDC_RECORD);
        EXPECT_EQ(window->m_nCountdown, d.untilFive - 3 * 3600 - 1) << d.name;
        Wait(static_cast<int>(d.untilFive - 3 * 3600));
        EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING) << d.name;
        EXPECT_EQ(platform::FormatLocal(platform::CurrentTime(), "%H:%M:%S"), "05:00:00") << d.name;
        Click(IDC_STOP);
        Pump();
        EXPECT_TRUE(messages.Messages().empty()) << d.name;
    }
}

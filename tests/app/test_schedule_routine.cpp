// A schedule that repeats, and one that outlives the program: the next take armed as one
// ends, however it ends; Stop while a start waits ending the routine; an armed schedule
// armed again when the program starts, started late or told as missed once; and the entry
// that starts the program at login.

#include "ProductInfo.h"
#include "platform/AutostartEntry.h"
#include "support/ScheduleFixture.h"
#include "support/WaveFile.h"

#include <QCheckBox>
#include <QFile>

namespace {
const QString STARTS = QStringLiteral("Your recording will be started at ");
} // namespace

class ScheduledRoutine : public ScheduleFixture {
protected:
    // A routine of the repeat entry, its first start at start, each take lasting seconds.
    void PlanRoutine(int repeat, std::int64_t start, int seconds)
    {
        Plan(start, seconds);
        auto* list = ScheduleControl<QComboBox>(IDC_REPEAT);
        list->setCurrentIndex(repeat);
        emit list->activated(repeat);
    }

    // The program closed, the clock moved on by seconds, and the program started again.
    void RestartAfter(std::int64_t seconds)
    {
        SetMainWindow(nullptr);
        window.reset();
        Pump();
        clock.Jump(seconds);
        Reopen();
    }

    void RecordTake(int seconds)
    {
        ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
        for (int second = 0; second < seconds; ++second) {
            Feed(22050);
            Wait(1);
        }
        Pump();
        ASSERT_EQ(Engine().m_nStatus, STATUS_READY);
    }
};

// Weekdays at 10:00 for 5 s: each take is followed at once by the next weekday's start,
// whether its schedule or Stop ended it, and Stop while a start waits ends the routine.
TEST_F(ScheduledRoutine, EachTakeArmsTheNextUntilStopWhileWaiting)
{
    PrepareWave(Path("news.wav"));
    ClickOnPage(IDC_DATED_NAMES);
    PlanRoutine(2, Local(2024, 6, 14, 10, 0, 0), 5); // a Friday
    Click(IDC_RECORD);
    EXPECT_EQ(Status(1), STARTS + "2024-06-14 10:00:00");
    EXPECT_EQ(window->RoutineRepeat(), 2);
    clock.Jump(Local(2024, 6, 14, 9, 59, 59) - platform::CurrentTime());
    Wait(1);
    ASSERT_NO_FATAL_FAILURE(RecordTake(5));
    EXPECT_EQ(Status(1), STARTS + "2024-06-17 10:00:00") << "Monday next";
    EXPECT_TRUE(window->IsTimerSet(IDT_START));
    EXPECT_EQ(ScheduleControl<QDateEdit>(IDC_START_DATE)->date(), QDate(2024, 6, 17)) << "the page shows it too";

    clock.Jump(Local(2024, 6, 17, 9, 59, 59) - platform::CurrentTime());
    Wait(1);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    Feed(22050);
    Click(IDC_STOP);
    Pump();
    EXPECT_EQ(Status(1), STARTS + "2024-06-18 10:00:00") << "Stop ended the take, not the routine";
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(ReadRecordedWave(Path("news_2024-06-14_10-00-00.wav"))->dataSize, 5u * 44100);
    EXPECT_EQ(ReadRecordedWave(Path("news_2024-06-17_10-00-00.wav"))->dataSize, 44100u);

    Click(IDC_STOP);
    EXPECT_FALSE(window->IsTimerSet(IDT_START));
    EXPECT_EQ(window->RoutineRepeat(), 0);
    RestartAfter(0);
    EXPECT_FALSE(window->IsTimerSet(IDT_START)) << "a routine stopped stays stopped";
}

// "Every week" with an end time: each take ends at that time of day after its start, past
// midnight here; a routine without " Start time:" is refused.
TEST_F(ScheduledRoutine, WeeklyTakesEndAtTheirTimeOfDayAndNeedAStartTime)
{
    PrepareWave(Path("council.wav"));
    PlanRoutine(3, 0, 5);
    Click(IDC_RECORD);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{"Please tick \" Start time:\" to repeat a recording."});
    EXPECT_EQ(audio.OpenStreamCount(), 0u);

    PlanRoutine(3, Local(2024, 6, 11, 23, 59, 0), 0); // a Tuesday, already past
    ScheduleControl<QAbstractButton>(IDC_END_AT_TIME)->click();
    SetTime(IDC_END_TIME, 0, 0, 2);
    Click(IDC_RECORD);
    EXPECT_EQ(Status(1), STARTS + "2024-06-18 23:59:00");
    clock.Jump(Local(2024, 6, 18, 23, 58, 59) - platform::CurrentTime());
    Wait(1);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(Status(1), Path("council.wav"));
    Wait(60);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    Wait(2);
    Pump();
    EXPECT_EQ(platform::FormatLocal(platform::CurrentTime(), "%Y-%m-%d %H:%M:%S"), "2024-06-19 00:00:02");
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(Status(1), STARTS + "2024-06-25 23:59:00");
    EXPECT_EQ(messages.Messages().size(), 1u);
}

// Armed, closed and started again: the routine is armed again at once, with its notice;
// a take whose start passed while the program was closed but whose end is still ahead
// starts late and keeps its end.
TEST_F(ScheduledRoutine, ArmedAgainAtStartAndStartedLate)
{
    PrepareWave(Path("dawn.wav"));
    PlanRoutine(1, Local(2024, 6, 12, 10, 0, 0), 600);
    Click(IDC_RECORD);
    RestartAfter(0);
    EXPECT_TRUE(window->IsTimerSet(IDT_START));
    EXPECT_EQ(Status(1), STARTS + "2024-06-12 10:00:00");
    EXPECT_EQ(window->RoutineRepeat(), 1);

    RestartAfter(5 * 60);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(Status(1), Path("dawn.wav") + " (started late: it was due at 2024-06-12 10:00:00)");
    EXPECT_EQ(window->m_nCountdown, 600 - 4 * 60 - 1) << "it ends at 10:10 as planned";
    ASSERT_TRUE(desktop.WaitFor(1));
    EXPECT_EQ(desktop.Received()[0].summary, "Scheduled recording started");
    Wait(600 - 4 * 60);
    Pump();
    EXPECT_EQ(Status(1), STARTS + "2024-06-13 10:00:00");
    EXPECT_TRUE(messages.Messages().empty());
}

// A start missed whole while the program was closed is told once, by box and desktop; the
// routine goes on to its next take, a single start is spent.
TEST_F(ScheduledRoutine, AStartMissedWhileClosedIsToldOnce)
{
    for (const int repeat : {1, 0}) {
        PrepareWave(Path("missed.wav"));
        PlanRoutine(repeat, Local(2024, 6, 12, 10, 0, 0), 10);
        Click(IDC_RECORD);
        messages.Clear();
        RestartAfter(3600);
        EXPECT_EQ(messages.Texts(),
                  std::vector<QString>{"The recording planned from 2024-06-12 10:00:00 to 2024-06-12 10:00:10 was not "
                                       "made: Tessavox was not running."})
            << repeat;
        ASSERT_NO_FATAL_FAILURE(ExpectToldFailure(messages.Texts().front()));
        EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
        EXPECT_EQ(window->IsTimerSet(IDT_START), repeat != 0);
        if (repeat != 0)
            EXPECT_EQ(Status(1), STARTS + "2024-06-13 10:00:00");
        messages.Clear();
        RestartAfter(0);
        EXPECT_TRUE(messages.Messages().empty()) << repeat;
        EXPECT_EQ(window->IsTimerSet(IDT_START), repeat != 0);
        Click(IDC_STOP);
        clock.Jump(Local(2024, 6, 12, 9, 59, 0) - platform::CurrentTime());
    }
}

TEST_F(ScheduledRoutine, TheLoginEntryFollowsItsBox)
{
    const QString entry = config.Path() + "/autostart/" + TESSAVOX_APP_ID + ".desktop";
    EXPECT_EQ(platform::AutostartPath(), entry);
    auto* box = ScheduleControl<QCheckBox>(IDC_START_AT_LOGIN);
    EXPECT_FALSE(box->isChecked());
    box->click();
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "written at the tick";
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\nExec=tessavox --minimized\n")) << text.constData();
    EXPECT_TRUE(text.contains("\nName=Tessavox\n"));
    RestartAfter(0);
    box = ScheduleControl<QCheckBox>(IDC_START_AT_LOGIN);
    EXPECT_TRUE(box->isChecked());
    box->click();
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_TRUE(messages.Messages().empty());
}

// A schedule that repeats and one that outlives the program: the next take armed as one
// ends, Stop while a start waits ending the routine, the schedule armed again at start,
// started late or told as missed once, and the entry that starts the program at login.

#include "ProductInfo.h"
#include "support/ScheduleFixture.h"
#include "support/WaveFile.h"

#include <QCheckBox>

namespace {
const QString STARTS = QStringLiteral("Your recording will be started at ");
} // namespace

class ScheduledRoutine : public ScheduleFixture {
protected:
    // The repeat entry, the first start, each take's length in seconds.
    void PlanRoutine(int repeat, std::int64_t start, int seconds)
    {
        Plan(start, seconds);
        auto* list = ScheduleControl<QComboBox>(IDC_REPEAT);
        list->setCurrentIndex(repeat);
        emit list->activated(repeat);
    }
    // The program closed, the clock moved on, the program started again.
    void RestartAfter(std::int64_t seconds)
    {
        SetMainWindow(nullptr);
        window.reset();
        Pump();
        clock.Jump(seconds);
        Reopen();
    }
};

// Weekdays at 10:00 for 2 s: each take, whether its schedule or Stop ended it, arms the next
// weekday's at once; Stop while a start waits ends the routine, which needs a start time.
TEST_F(ScheduledRoutine, EachTakeArmsTheNextUntilStopWhileWaiting)
{
    PrepareWave(Path("news.wav"));
    ClickOnPage(IDC_DATED_NAMES);
    PlanRoutine(2, 0, 2);
    Click(IDC_RECORD);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{"Please tick \" Start time:\" to repeat a recording."});
    messages.Clear();
    PlanRoutine(2, Local(2024, 6, 14, 10, 0, 0), 2); // a Friday
    Click(IDC_RECORD);
    EXPECT_EQ(Status(1), STARTS + "2024-06-14 10:00:00");
    for (const int day : {14, 17}) {
        clock.Jump(Local(2024, 6, day, 9, 59, 59) - platform::CurrentTime());
        Wait(1);
        ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING) << day;
        Feed(22050);
        day == 14 ? Wait(2) : Click(IDC_STOP);
        Pump();
        EXPECT_EQ(ReadRecordedWave(Path(QStringLiteral("news_2024-06-%1_10-00-00.wav").arg(day)))->dataSize, 44100u);
    }
    EXPECT_EQ(Status(1), STARTS + "2024-06-18 10:00:00") << "Monday's take armed Tuesday's";
    EXPECT_EQ(ScheduleControl<QDateEdit>(IDC_START_DATE)->date(), QDate(2024, 6, 18)) << "the page shows it too";
    Click(IDC_STOP);
    EXPECT_FALSE(window->IsTimerSet(IDT_START));
    RestartAfter(0);
    EXPECT_FALSE(window->IsTimerSet(IDT_START)) << "a routine stopped stays stopped";
    EXPECT_TRUE(messages.Messages().empty());
}

// Armed, closed and started again: armed again at once with its notice; a take whose start
// passed while the program was closed, but not its end, starts late and keeps its end. The
// login entry, which starts the program minimised, follows its box.
TEST_F(ScheduledRoutine, ArmedAgainAtStartAndStartedLate)
{
    const QString entry = config.Path() + "/autostart/" + TESSAVOX_APP_ID + ".desktop";
    ScheduleControl<QCheckBox>(IDC_START_AT_LOGIN)->click();
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\nExec=tessavox --minimized\n") && text.contains("\nName=Tessavox\n")) << text.data();
    EXPECT_FALSE(text.contains("Action")) << "the menu's Record and Stop are not run at login: " << text.data();
    PrepareWave(Path("dawn.wav"));
    PlanRoutine(1, Local(2024, 6, 12, 10, 0, 0), 600);
    Click(IDC_RECORD);
    RestartAfter(0);
    EXPECT_TRUE(window->IsTimerSet(IDT_START));
    EXPECT_EQ(Status(1), STARTS + "2024-06-12 10:00:00");
    EXPECT_TRUE(ScheduleControl<QCheckBox>(IDC_START_AT_LOGIN)->isChecked());
    ScheduleControl<QCheckBox>(IDC_START_AT_LOGIN)->click();
    EXPECT_FALSE(QFile::exists(entry));
    RestartAfter(5 * 60);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(Status(1), Path("dawn.wav") + " (started late: it was due at 2024-06-12 10:00:00)");
    EXPECT_EQ(window->m_nCountdown, 6 * 60 - 1) << "it ends at 10:10 as planned";
    Wait(6 * 60);
    Pump();
    EXPECT_EQ(Status(1), STARTS + "2024-06-13 10:00:00");
    EXPECT_TRUE(messages.Messages().empty());
}

// A start missed whole while the program was closed is told once, by box and desktop; a
// routine goes on to its next take, a single start is spent.
TEST_F(ScheduledRoutine, AStartMissedWhileClosedIsToldOnce)
{
    for (const int repeat : {1, 0}) {
        PrepareWave(Path("missed.wav"));
        PlanRoutine(repeat, Local(2024, 6, 12, 10, 0, 0), 10);
        Click(IDC_RECORD);
        RestartAfter(3600);
        ASSERT_EQ(messages.Texts(), std::vector<QString>{"The recording planned from 2024-06-12 10:00:00 to "
                                                         "2024-06-12 10:00:10 was not made: Tessavox was not running."});
        ASSERT_NO_FATAL_FAILURE(ExpectToldFailure(messages.Texts().front()));
        EXPECT_EQ(Status(1), repeat ? STARTS + "2024-06-13 10:00:00" : QString());
        messages.Clear();
        RestartAfter(0);
        EXPECT_TRUE(messages.Messages().empty()) << repeat;
        EXPECT_EQ(window->IsTimerSet(IDT_START), repeat != 0);
        Click(IDC_STOP);
        clock.Jump(Local(2024, 6, 12, 9, 59, 0) - platform::CurrentTime());
    }
}

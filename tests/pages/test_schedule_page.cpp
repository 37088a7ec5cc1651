// The schedule page: what is usable when, the clock that runs while scheduling is enabled,
// the fields it keeps, and its pickers as a keyboard or screen-reader user meets them.

#include "support/ScheduleFixture.h"

#include <QLabel>

using SchedulePage = ScheduleFixture;

TEST_F(SchedulePage, EnablingFreesTheControlsAndRunsTheClock)
{
    window->show();
    window->m_tab.setCurrentIndex(1);
    const auto usable = [&](std::initializer_list<int> ids, bool enabled) {
        for (int id : ids)
            EXPECT_EQ(ScheduleControl(id)->isEnabled(), enabled) << id;
    };
    const auto clockText = [&] { return ScheduleControl<QLabel>(IDC_CLOCK)->text(); };
    const std::initializer_list<int> ends = {IDC_END_LABEL, IDC_END_AFTER_DURATION, IDC_DURATION,
                                             IDC_END_AT_TIME, IDC_END_DATE, IDC_END_TIME};
    usable({IDC_SCHEDULE_ENABLE, IDC_KEEP_TAKES}, true);
    usable({IDC_SCHEDULE_START, IDC_START_DATE, IDC_START_TIME, IDC_KEEP_DAYS}, false);
    usable(ends, false);
    usable({IDC_WARN_SILENCE, IDC_SILENT_FOR}, false);
    EXPECT_FALSE(ScheduleControl(IDC_CLOCK)->isVisible());
    EXPECT_TRUE(ScheduleControl<QAbstractButton>(IDC_END_AFTER_DURATION)->isChecked());
    EXPECT_EQ(ScheduleControl<QTimeEdit>(IDC_DURATION)->text(), "00:00:00");
    EXPECT_EQ(ScheduleControl<QDateEdit>(IDC_START_DATE)->date(), QDate(2024, 6, 12));
    EXPECT_EQ(Schedule().m_timeStartDate, Local(2024, 6, 12, 9, 59, 0));
    EXPECT_EQ(Schedule().m_timeDuration, Local(2024, 6, 12, 0, 0, 0));

    // Old takes go whether a take is scheduled or not: the days follow their box alone.
    Tick(IDC_KEEP_TAKES, true);
    usable({IDC_KEEP_DAYS}, true);
    Tick(IDC_SCHEDULE_ENABLE, true);
    usable({IDC_SCHEDULE_START}, true);
    usable(ends, true);
    usable({IDC_START_DATE, IDC_START_TIME}, false); // until " Start time:" is ticked
    usable({IDC_WARN_SILENCE, IDC_SILENT_FOR}, true);
    Tick(IDC_WARN_SILENCE, false);
    usable({IDC_SILENT_FOR}, false); // the minutes count only with the warning on
    Tick(IDC_WARN_SILENCE, true);
    usable({IDC_SILENT_FOR}, true);
    ScheduleControl<QAbstractButton>(IDC_END_AT_TIME)->click();
    usable(ends, true); // either end stays editable
    EXPECT_TRUE(ScheduleControl(IDC_CLOCK)->isVisible());
    EXPECT_EQ(clockText(), "2024-06-12 09:59:00") << "at once";
    window->m_tab.setCurrentIndex(0);
    Wait(61);
    EXPECT_EQ(clockText(), "2024-06-12 10:00:01") << "every second, also behind another tab";

    Tick(IDC_SCHEDULE_START, true);
    usable({IDC_START_DATE, IDC_START_TIME}, true);
    Tick(IDC_SCHEDULE_ENABLE, false);
    usable({IDC_SCHEDULE_START, IDC_START_DATE, IDC_START_TIME}, false);
    usable(ends, false);
    EXPECT_FALSE(ScheduleControl(IDC_CLOCK)->isVisible());
    Wait(5);
    EXPECT_EQ(clockText(), "2024-06-12 10:00:01") << "the clock stopped";
    Tick(IDC_SCHEDULE_ENABLE, true);
    usable({IDC_START_DATE, IDC_START_TIME}, true); // the start box kept its tick
    EXPECT_EQ(clockText(), "2024-06-12 10:00:06");
}

TEST_F(SchedulePage, DurationClickReadsEveryFieldAndTimeClickNone)
{
    Tick(IDC_SCHEDULE_ENABLE, true);
    SetTime(IDC_DURATION, 1, 2, 3);
    SetDate(IDC_END_DATE, Local(2024, 7, 2, 0, 0, 0));
    SetTime(IDC_END_TIME, 23, 59, 59);
    ScheduleControl<QAbstractButton>(IDC_END_AT_TIME)->click();
    EXPECT_EQ(Schedule().m_nEndMode, EndMode::AfterDuration);
    EXPECT_EQ(Schedule().m_timeDuration, Local(2024, 6, 12, 0, 0, 0));
    ScheduleControl<QAbstractButton>(IDC_END_AFTER_DURATION)->click();
    EXPECT_EQ(platform::SecondsOfDay(Schedule().m_timeDuration), 3723);
    EXPECT_EQ(platform::ComposeLocal(Schedule().m_timeEndDate, Schedule().m_timeEndTime),
              Local(2024, 7, 2, 23, 59, 59));
}

// Times of day are kept as entered, even one the clock skips on the day the page was made.
TEST_F(SchedulePage, ATimeSkippedTodayIsKeptAsEntered)
{
    platform::ManualClock springForward(Local(2024, 3, 31, 1, 0, 0));
    Reopen();
    EXPECT_EQ(platform::SecondsOfDay(Schedule().m_timeStartTime), 0);
    SetTime(IDC_START_TIME, 2, 30, 0);
    SetTime(IDC_DURATION, 2, 30, 0);
    SetDate(IDC_START_DATE, Local(2024, 4, 1, 12, 0, 0));
    Schedule().UpdateData(true);
    EXPECT_EQ(platform::SecondsOfDay(Schedule().m_timeDuration), 9000);
    EXPECT_EQ(platform::ComposeLocal(Schedule().m_timeStartDate, Schedule().m_timeStartTime),
              Local(2024, 4, 1, 2, 30, 0));
    Schedule().UpdateData(false);
    EXPECT_EQ(ScheduleControl<QTimeEdit>(IDC_START_TIME)->time(), QTime(2, 30, 0));
}

TEST_F(SchedulePage, PickersSayWhatTheyHoldAndFollowThePageOrder)
{
    const std::pair<int, const char*> names[] = {{IDC_START_DATE, "Start date"},
                                                 {IDC_START_TIME, "Start time"},
                                                 {IDC_DURATION, "Duration"},
                                                 {IDC_END_DATE, "End date"},
                                                 {IDC_END_TIME, "End time"},
                                                 {IDC_REPEAT, "Repeat"},
                                                 {IDC_KEEP_DAYS, "Keep takes for"},
                                                 {IDC_SILENT_FOR, "Silent for"}};
    for (const auto& [id, name] : names)
        EXPECT_EQ(ScheduleControl(id)->accessibleName(), name) << id;
    EXPECT_EQ(ScheduleControl<QTimeEdit>(IDC_DURATION)->displayFormat(), "HH:mm:ss");
    for (int id : {IDC_START_TIME, IDC_END_TIME})
        EXPECT_TRUE(ScheduleControl<QTimeEdit>(id)->displayFormat().contains("ss")) << "to the second";

    Tick(IDC_SCHEDULE_ENABLE, true);
    Tick(IDC_SCHEDULE_START, true);
    Tick(IDC_KEEP_TAKES, true);
    const int order[] = {IDC_SCHEDULE_ENABLE, IDC_SCHEDULE_START, IDC_START_DATE, IDC_START_TIME, IDC_REPEAT,
                         IDC_END_AFTER_DURATION, IDC_DURATION, IDC_END_AT_TIME, IDC_END_DATE, IDC_END_TIME,
                         IDC_WARN_SILENCE, IDC_SILENT_FOR, IDC_START_AT_LOGIN, IDC_KEEP_TAKES, IDC_KEEP_DAYS};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget* const previous = ScheduleControl(order[i - 1]);
        QWidget* next = previous->nextInFocusChain();
        // A picker's own line edit follows it in the chain, and labels take no focus.
        while (next && (previous->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus)))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, ScheduleControl(order[i])) << order[i - 1] << " then " << order[i];
    }
}

// The starts of each repeat choice, and the ends given as a time of day, across a week,
// midnight, month and year ends and both clock changes of Central European time.

#include "app/RepeatRule.h"
#include "support/ScheduleFixture.h"

namespace {
std::int64_t Local(int year, int month, int day, int hour, int minute, int second)
{
    return platform::FromLocal({year, month, day, hour, minute, second});
}
QString Shown(std::int64_t t)
{
    return t == 0 ? QStringLiteral("none") : platform::FormatLocal(t, "%a %Y-%m-%d %H:%M:%S %Z");
}
} // namespace

TEST(RepeatRule, NextStarts)
{
    const ScopedTimeZone zone{"CET-1CEST,M3.5.0,M10.5.0/3"};
    struct Case {
        const char* what;
        Repeat rule;
        std::int64_t firstDay;
        int hour;
        int minute;
        std::int64_t after;
        std::int64_t expected;
    } const cases[] = {
        // 2026-12-09 is a Wednesday.
        {"once, ahead", Repeat::Once, Local(2026, 12, 9, 12, 0, 0), 7, 0, Local(2026, 12, 9, 6, 0, 0),
         Local(2026, 12, 9, 7, 0, 0)},
        {"once, passed", Repeat::Once, Local(2026, 12, 9, 12, 0, 0), 7, 0, Local(2026, 12, 9, 7, 0, 0), 0},
        {"every day, the next morning", Repeat::EveryDay, Local(2026, 12, 1, 0, 0, 0), 7, 0,
         Local(2026, 12, 9, 7, 0, 0), Local(2026, 12, 10, 7, 0, 0)},
        {"every day, later today", Repeat::EveryDay, Local(2026, 12, 1, 0, 0, 0), 23, 30,
         Local(2026, 12, 9, 7, 0, 0), Local(2026, 12, 9, 23, 30, 0)},
        {"every day, not before the first day", Repeat::EveryDay, Local(2026, 12, 20, 0, 0, 0), 7, 0,
         Local(2026, 12, 9, 8, 0, 0), Local(2026, 12, 20, 7, 0, 0)},
        {"weekdays, Friday to Monday", Repeat::Weekdays, Local(2026, 12, 1, 0, 0, 0), 7, 0,
         Local(2026, 12, 11, 7, 0, 0), Local(2026, 12, 14, 7, 0, 0)},
        {"weekdays, from a Saturday", Repeat::Weekdays, Local(2026, 12, 1, 0, 0, 0), 7, 0,
         Local(2026, 12, 12, 10, 0, 0), Local(2026, 12, 14, 7, 0, 0)},
        {"weekdays, Monday to Tuesday", Repeat::Weekdays, Local(2026, 12, 1, 0, 0, 0), 7, 0,
         Local(2026, 12, 14, 7, 0, 1), Local(2026, 12, 15, 7, 0, 0)},
        {"every week, the start date's weekday", Repeat::EveryWeek, Local(2026, 12, 8, 0, 0, 0), 19, 30,
         Local(2026, 12, 9, 7, 0, 0), Local(2026, 12, 15, 19, 30, 0)},
        {"every week, the same day before the time", Repeat::EveryWeek, Local(2026, 12, 8, 0, 0, 0), 19, 30,
         Local(2026, 12, 15, 19, 0, 0), Local(2026, 12, 15, 19, 30, 0)},
        {"month end", Repeat::EveryDay, Local(2026, 1, 1, 0, 0, 0), 7, 0, Local(2026, 2, 28, 7, 0, 0),
         Local(2026, 3, 1, 7, 0, 0)},
        {"year end, weekly", Repeat::EveryWeek, Local(2026, 12, 31, 0, 0, 0), 23, 0, Local(2026, 12, 31, 23, 0, 0),
         Local(2027, 1, 7, 23, 0, 0)},
        // The clock goes 02:00 -> 03:00 on 2026-03-29 and 03:00 -> 02:00 on 2026-10-25.
        {"spring forward, 07:00 stays 07:00", Repeat::EveryDay, Local(2026, 3, 1, 0, 0, 0), 7, 0,
         Local(2026, 3, 28, 7, 0, 0), Local(2026, 3, 29, 7, 0, 0)},
        {"fall back, 07:00 stays 07:00", Repeat::EveryDay, Local(2026, 10, 1, 0, 0, 0), 7, 0,
         Local(2026, 10, 24, 7, 0, 0), Local(2026, 10, 25, 7, 0, 0)},
        {"a skipped time starts when the hour ends", Repeat::EveryDay, Local(2026, 3, 1, 0, 0, 0), 2, 30,
         Local(2026, 3, 28, 2, 30, 0), Local(2026, 3, 29, 3, 0, 0)},
        {"and only once", Repeat::EveryDay, Local(2026, 3, 1, 0, 0, 0), 2, 30, Local(2026, 3, 29, 3, 0, 0),
         Local(2026, 3, 30, 2, 30, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shown(NextStart(c.rule, c.firstDay, c.hour, c.minute, 0, c.after)), Shown(c.expected)) << c.what;

    // Real seconds between the mornings around each change.
    EXPECT_EQ(Local(2026, 3, 29, 7, 0, 0) - Local(2026, 3, 28, 7, 0, 0), 23 * 3600);
    EXPECT_EQ(Local(2026, 10, 25, 7, 0, 0) - Local(2026, 10, 24, 7, 0, 0), 25 * 3600);
    EXPECT_EQ(Local(2026, 3, 29, 3, 0, 0) - Local(2026, 3, 29, 1, 59, 59), 1) << "the first moment after the gap";
}

TEST(RepeatRule, EndsAtATimeOfDay)
{
    const ScopedTimeZone zone{"CET-1CEST,M3.5.0,M10.5.0/3"};
    struct Case {
        const char* what;
        std::int64_t from;
        int hour;
        std::int64_t expected;
    } const cases[] = {
        {"the same evening", Local(2026, 12, 8, 22, 0, 0), 23, Local(2026, 12, 8, 23, 0, 0)},
        {"across midnight", Local(2026, 12, 8, 23, 0, 0), 1, Local(2026, 12, 9, 1, 0, 0)},
        {"across a month end", Local(2026, 11, 30, 23, 0, 0), 1, Local(2026, 12, 1, 1, 0, 0)},
        {"the time itself is a day on", Local(2026, 12, 8, 7, 0, 0), 7, Local(2026, 12, 9, 7, 0, 0)},
        {"over the lost hour", Local(2026, 3, 29, 1, 0, 0), 4, Local(2026, 3, 29, 4, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shown(NextTimeOfDay(c.from, c.hour, 0, 0)), Shown(c.expected)) << c.what;
    EXPECT_EQ(Local(2026, 3, 29, 4, 0, 0) - Local(2026, 3, 29, 1, 0, 0), 2 * 3600);
}

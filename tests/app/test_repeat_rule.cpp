// The starts of each repeat choice, and the ends given as a time of day, across a week,
// midnight, month and year ends and both clock changes of Central European time.

#include "app/RepeatRule.h"
#include "support/ScheduleFixture.h"

TEST(RepeatRule, StartsAndEnds)
{
    const ScopedTimeZone zone{"CET-1CEST,M3.5.0,M10.5.0/3"};
    const auto at = [](int month, int day, int hour, int minute = 0, int year = 2026) {
        return platform::FromLocal({year, month, day, hour, minute, 0});
    };
    const auto shown = [](std::int64_t t) { return t ? platform::FormatLocal(t, "%a %F %T %Z") : QString("none"); };
    // 2026-12-09 is a Wednesday; the clock goes 02:00 -> 03:00 on 2026-03-29 and
    // 03:00 -> 02:00 on 2026-10-25.
    struct Case {
        const char* what;
        Repeat rule;
        std::int64_t firstDay;
        int hour;
        int minute;
        std::int64_t after;
        std::int64_t expected;
    } const cases[] = {
        {"once, ahead", Repeat::Once, at(12, 9, 12), 7, 0, at(12, 9, 6), at(12, 9, 7)},
        {"once, passed", Repeat::Once, at(12, 9, 12), 7, 0, at(12, 9, 7), 0},
        {"every day, the next morning", Repeat::EveryDay, at(12, 1, 0), 7, 0, at(12, 9, 7), at(12, 10, 7)},
        {"not before the first day", Repeat::EveryDay, at(12, 20, 0), 7, 0, at(12, 9, 8), at(12, 20, 7)},
        {"weekdays, Friday to Monday", Repeat::Weekdays, at(12, 1, 0), 7, 0, at(12, 11, 7), at(12, 14, 7)},
        {"every week, on the first day's weekday", Repeat::EveryWeek, at(12, 8, 0), 19, 30, at(12, 9, 7),
         at(12, 15, 19, 30)},
        {"month end", Repeat::EveryDay, at(1, 1, 0), 7, 0, at(2, 28, 7), at(3, 1, 7)},
        {"year end", Repeat::EveryWeek, at(12, 31, 0), 23, 0, at(12, 31, 23), at(1, 7, 23, 0, 2027)},
        {"spring forward", Repeat::EveryDay, at(3, 1, 0), 7, 0, at(3, 28, 7), at(3, 29, 7)},
        {"fall back", Repeat::EveryDay, at(10, 1, 0), 7, 0, at(10, 24, 7), at(10, 25, 7)},
        {"a skipped time, when the hour ends", Repeat::EveryDay, at(3, 1, 0), 2, 30, at(3, 28, 2, 30), at(3, 29, 3)},
        {"and only once", Repeat::EveryDay, at(3, 1, 0), 2, 30, at(3, 29, 3), at(3, 30, 2, 30)},
        // An end time of day: the first after the start.
        {"end across midnight", Repeat::EveryDay, at(12, 8, 23), 1, 0, at(12, 8, 23), at(12, 9, 1)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shown(NextStart(c.rule, c.firstDay, c.hour, c.minute, 0, c.after)), shown(c.expected)) << c.what;
    EXPECT_EQ(shown(NextTimeOfDay(at(12, 8, 23), 1, 0, 0)), shown(at(12, 9, 1)));
    // Real seconds: the mornings around the changes, and the gap's first moment.
    EXPECT_EQ(at(3, 29, 7) - at(3, 28, 7), 23 * 3600);
    EXPECT_EQ(at(10, 25, 7) - at(10, 24, 7), 25 * 3600);
    EXPECT_EQ(at(3, 29, 3) - at(3, 29, 1, 59), 60);
}

// Local parts and time values on the days the clock changes, in a zone with daylight saving.

#include "platform/LocalTime.h"
#include "support/ScopedTimeZone.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

struct ChangeDay {
    const char* name;
    LocalParts midnight;
    std::int64_t midnightToFour; // real seconds between 00:00 and 04:00 on the wall
};

const ChangeDay DAYS[] = {
    {"ordinary", {2024, 6, 12}, 4 * 3600},
    {"spring forward", {2024, 3, 31}, 3 * 3600},
    {"fall back", {2024, 10, 27}, 5 * 3600},
};

} // namespace

TEST(LocalTime, ComposingOnChangeDaysCountsRealSeconds)
{
    tests::ScopedTimeZone zone(tests::CENTRAL_EUROPE);
    for (const ChangeDay& d : DAYS) {
        const std::int64_t midnight = FromLocal(d.midnight);
        const std::int64_t fourOClock = AtTimeOfDay(midnight, 4, 0, 0);
        // The date taken from an evening, the time from another day altogether.
        const std::int64_t evening = FromLocal({d.midnight.year, d.midnight.month, d.midnight.day, 21, 0, 0});
        const std::int64_t fourAnotherDay = AtTimeOfDay(midnight + 86400 * 40, 4, 0, 0);
        EXPECT_EQ(ComposeLocal(evening, fourAnotherDay) - ComposeLocal(evening, midnight), d.midnightToFour)
            << d.name;
        EXPECT_EQ(FormatLocal(ComposeLocal(evening, fourOClock), "%Y-%m-%d %H:%M:%S"),
                  QString::asprintf("%04d-%02d-%02d 04:00:00", d.midnight.year, d.midnight.month, d.midnight.day))
            << d.name;
        EXPECT_EQ(SecondsOfDay(fourOClock), 4 * 3600) << d.name;
    }
}

TEST(LocalTime, TimesOfDayAndDatesComeBackAsEntered)
{
    tests::ScopedTimeZone zone(tests::CENTRAL_EUROPE);
    for (const ChangeDay& d : DAYS) {
        const std::int64_t midnight = FromLocal(d.midnight);
        // 02:30 does not exist on the spring day and exists twice on the autumn one.
        const std::int64_t halfPastTwo = AtTimeOfDay(midnight, 2, 30, 0);
        EXPECT_EQ(SecondsOfDay(halfPastTwo), 2 * 3600 + 30 * 60) << d.name;
        EXPECT_EQ(SecondsOfDay(AtTimeOfDay(midnight, 0, 0, 0)), 0) << d.name;

        const std::int64_t onDate = OnDate(d.midnight.year, d.midnight.month, d.midnight.day, halfPastTwo);
        const LocalParts parts = ToLocal(onDate);
        EXPECT_EQ(parts.year * 10000 + parts.month * 100 + parts.day,
                  d.midnight.year * 10000 + d.midnight.month * 100 + d.midnight.day)
            << d.name;
    }
}

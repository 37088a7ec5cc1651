#pragma once
// Time values (64-bit seconds since 1970-01-01 00:00:00 UTC) and their local calendar
// parts. Local parts become a time value with the daylight-saving state left to the
// system (mktime with tm_isdst = -1), so a moment on a day the clock changes is right.

#include <QString>

#include <cstdint>

namespace platform {

struct LocalParts {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

LocalParts ToLocal(std::int64_t time);
std::int64_t FromLocal(const LocalParts& parts);

// The moment of date's local day at the local time of day of timeOfDay.
std::int64_t ComposeLocal(std::int64_t date, std::int64_t timeOfDay);
// Hours × 3600 + minutes × 60 + seconds of time's local time of day: a length that a
// clock change on that day does not stretch.
std::int64_t SecondsOfDay(std::int64_t time);
// A moment whose local time of day is hour:minute:second, on day's local date or, where the
// clock skips that time on that date, on the nearest date that has it: a time of day kept
// as a time value must come back as entered.
std::int64_t AtTimeOfDay(std::int64_t day, int hour, int minute, int second);
// A moment on the local date year-month-day, at the local time of day of timeOfDay, or at
// noon where the clock skips that time on that date.
std::int64_t OnDate(int year, int month, int day, std::int64_t timeOfDay);
// time in local time through a strftime format ("%Y-%m-%d %H:%M:%S").
QString FormatLocal(std::int64_t time, const char* format);

} // namespace platform

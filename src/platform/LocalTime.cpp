#include "platform/LocalTime.h"

#include <ctime>

namespace platform {

namespace {
std::tm LocalTm(std::int64_t time)
{
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm tm{};
    if (!localtime_r(&t, &tm)) {
        // Beyond what the C library can represent: the epoch's parts, never garbage.
        const std::time_t epoch = 0;
        localtime_r(&epoch, &tm);
    }
    return tm;
}
} // namespace

LocalParts ToLocal(std::int64_t time)
{
    const std::tm tm = LocalTm(time);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::int64_t FromLocal(const LocalParts& parts)
{
    std::tm tm{};
    tm.tm_year = parts.year - 1900;
    tm.tm_mon = parts.month - 1;
    tm.tm_mday = parts.day;
    tm.tm_hour = parts.hour;
    tm.tm_min = parts.minute;
    tm.tm_sec = parts.second;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

std::int64_t ComposeLocal(std::int64_t date, std::int64_t timeOfDay)
{
    LocalParts parts = ToLocal(date);
    const LocalParts time = ToLocal(timeOfDay);
    parts.hour = time.hour;
    parts.minute = time.minute;
    parts.second = time.second;
    return FromLocal(parts);
}

std::int64_t SecondsOfDay(std::int64_t time)
{
    const LocalParts parts = ToLocal(time);
    return parts.hour * 3600 + parts.minute * 60 + parts.second;
}

std::int64_t AtTimeOfDay(std::int64_t day, int hour, int minute, int second)
{
    const LocalParts date = ToLocal(day);
    std::int64_t moment = 0;
    // Clock changes are months apart: one of three neighbouring days has the time.
    for (int offset : {0, 1, -1}) {
        LocalParts parts = date;
        parts.day += offset;
        parts.hour = hour;
        parts.minute = minute;
        parts.second = second;
        moment = FromLocal(parts);
        const LocalParts back = ToLocal(moment);
        if (back.hour == hour && back.minute == minute && back.second == second)
            return moment;
    }
    return moment;
}

std::int64_t OnDate(int year, int month, int day, std::int64_t timeOfDay)
{
    const LocalParts time = ToLocal(timeOfDay);
    LocalParts parts{year, month, day, time.hour, time.minute, time.second};
    const std::int64_t moment = FromLocal(parts);
    const LocalParts back = ToLocal(moment);
    if (back.year == year && back.month == month && back.day == day)
        return moment;
    parts.hour = 12;
    parts.minute = parts.second = 0;
    return FromLocal(parts);
}

QString FormatLocal(std::int64_t time, const char* format)
{
    const std::tm tm = LocalTm(time);
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, format, &tm);
    return QString::fromLocal8Bit(text, static_cast<qsizetype>(length));
}

} // namespace platform

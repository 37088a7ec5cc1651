#include "app/RepeatRule.h"

#include "platform/LocalTime.h"

#include <algorithm>
#include <chrono>

namespace {

using std::chrono::sys_days;

sys_days LocalDate(std::int64_t time)
{
    const platform::LocalParts p = platform::ToLocal(time);
    return sys_days{std::chrono::year{p.year} / p.month / p.day};
}

std::int64_t MomentOn(sys_days date, int hour, int minute, int second)
{
    const std::chrono::year_month_day ymd{date};
    const platform::LocalParts wanted{static_cast<int>(ymd.year()),
                                      static_cast<int>(static_cast<unsigned>(ymd.month())),
                                      static_cast<int>(static_cast<unsigned>(ymd.day())),
                                      hour,
                                      minute,
                                      second};
    const std::int64_t moment = platform::FromLocal(wanted);
    const platform::LocalParts back = platform::ToLocal(moment);
    if (back.year == wanted.year && back.month == wanted.month && back.day == wanted.day && back.hour == hour &&
        back.minute == minute && back.second == second)
        return moment;
    // The clock skips the time on this date: the first moment whose local date and time of
    // day come at or after it. Within a day that skips an hour, local time only goes forward.
    const auto reached = [&](std::int64_t t) {
        const platform::LocalParts p = platform::ToLocal(t);
        const sys_days d = sys_days{std::chrono::year{p.year} / p.month / p.day};
        const int seconds = p.hour * 3600 + p.minute * 60 + p.second;
        return d > date || (d == date && seconds >= hour * 3600 + minute * 60 + second);
    };
    std::int64_t lo = platform::FromLocal({wanted.year, wanted.month, wanted.day, 0, 0, 0});
    std::int64_t hi = lo + 27 * 3600;
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (reached(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

bool Chooses(Repeat rule, sys_days date, sys_days first)
{
    const std::chrono::weekday day{date};
    switch (rule) {
    case Repeat::Once:
        return date == first;
    case Repeat::EveryDay:
        return true;
    case Repeat::Weekdays:
        return day != std::chrono::Saturday && day != std::chrono::Sunday;
    case Repeat::EveryWeek:
        return day == std::chrono::weekday{first};
    }
    return false;
}

} // namespace

std::int64_t MomentOfDay(std::int64_t day, int hour, int minute, int second)
{
    return MomentOn(LocalDate(day), hour, minute, second);
}

std::int64_t NextStart(Repeat rule, std::int64_t firstDay, int hour, int minute, int second, std::int64_t after)
{
    const sys_days first = LocalDate(firstDay);
    // The day before after's date may still hold a later start, where the clock goes back.
    const sys_days from = std::max(first, LocalDate(after) - std::chrono::days{1});
    // A week and two days holds a chosen day past after, whatever the rule.
    for (sys_days date = from; date <= from + std::chrono::days{9}; date += std::chrono::days{1}) {
        if (!Chooses(rule, date, first))
            continue;
        if (const std::int64_t start = MomentOn(date, hour, minute, second); start > after)
            return start;
    }
    return 0;
}

std::int64_t NextTimeOfDay(std::int64_t from, int hour, int minute, int second)
{
    return NextStart(Repeat::EveryDay, from, hour, minute, second, from);
}

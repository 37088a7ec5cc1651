#pragma once
// When each recording of a routine starts and ends. Starts are times of day in local time,
// so 07:00 stays 07:00 across the nights the clock changes; a start inside an hour the
// clock skips comes at the first moment after it.

#include <cstdint>

// The entries of the "Repeat:" list, in its order.
enum class Repeat { Once = 0, EveryDay = 1, Weekdays = 2, EveryWeek = 3 };

// The moment of the local date of day at hour:minute:second, or the first moment after the
// hour the clock skips there.
std::int64_t MomentOfDay(std::int64_t day, int hour, int minute, int second);

// The first start later than after, at hour:minute:second on a day the rule chooses, from
// the local date of firstDay on ("Every week": firstDay's weekday). Once has only the one
// start on firstDay's date; 0 when that is not later than after.
std::int64_t NextStart(Repeat rule, std::int64_t firstDay, int hour, int minute, int second, std::int64_t after);

// The first moment later than from whose local time of day is hour:minute:second: the end
// of a recording given as a time of day, which may fall on the next day.
std::int64_t NextTimeOfDay(std::int64_t from, int hour, int minute, int second);

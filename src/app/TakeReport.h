#pragma once
// What a take that has just ended recorded, in one line: the status bar says it after every
// take, and the desktop hears it at the end of a scheduled one.

#include "app/ScheduleHost.h"

#include <QString>

#include <cstdint>

// "00:59:58 recorded, 54.9 MB", or "00:14:05 of sound in 07:00:00, 12.9 MB" for a take that
// skipped silence, then ", 2 breaks in the sound" when sound was lost on its way.
QString TakeReport(const TakeLength& take);
// A size on disk as a person reads it: "54.9 MB", "812 KB".
QString SizeText(std::uint64_t bytes);

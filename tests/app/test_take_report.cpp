// The line that says what a take recorded, as the status bar and the end notification give it.

#include "app/TakeReport.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

struct ReportCase {
    TakeLength take;
    const char* expected;
};

TEST(TakeReport, LengthSizeAndBreaks)
{
    const auto take = [](std::int64_t written, std::uint64_t bytes, std::uint32_t breaks) {
        TakeLength t;
        t.secondsWritten = written;
        t.bytes = bytes;
        t.breaks = breaks;
        return t;
    };
    TakeLength skipped = take(14 * 60 + 5, 13'526'000, 0);
    skipped.skippedSilence = true;
    skipped.secondsHeard = 7 * 3600;
    const ReportCase cases[] = {
        // An hour's MP3 at 128 kbit/s.
        {take(59 * 60 + 58, 57'568'000, 2), "00:59:58 recorded, 54.9 MB, 2 breaks in the sound"},
        {take(10, 441'046, 1), "00:00:10 recorded, 430.7 KB, 1 break in the sound"},
        {take(0, 0, 0), "00:00:00 recorded, 0 bytes"},
        {take(0, 1023, 0), "00:00:00 recorded, 1023 bytes"},
        {take(0, 1024, 0), "00:00:00 recorded, 1.0 KB"},
        // A day and an hour of WAV: hours count on past a day, sizes past a GB.
        {take(25 * 3600, 25ull * 3600 * 192'000, 0), "25:00:00 recorded, 16.1 GB"},
        {skipped, "00:14:05 of sound in 07:00:00, 12.9 MB"},
    };
    for (const ReportCase& c : cases)
        EXPECT_EQ(TakeReport(c.take), QString::fromLatin1(c.expected));
}

} // namespace

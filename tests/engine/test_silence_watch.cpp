// The watch over an unattended take's input: a silence is told once it has lasted the set
// time, once per silence and at most once an hour; sound after a told silence is told too.

#include "engine/take/SilenceWatch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Change = SilenceWatch::Change;

// -60 dBFS of full scale (32768) is 32.8: 32 is below it, 33 above.
constexpr std::uint32_t QUIET = 32;
constexpr std::uint32_t SOUND = 33;

struct Buffer {
    std::int64_t at; // seconds
    std::uint32_t peak;
    Change expected;
    // A new take watched for this many seconds starts just before this buffer.
    std::optional<std::int64_t> startAgain = std::nullopt;
};

struct WatchCase {
    std::string name;
    std::int64_t seconds;
    std::vector<Buffer> buffers;
};

class SilenceWatchCases : public ::testing::TestWithParam<WatchCase> {};

TEST_P(SilenceWatchCases, TellsWhatEachBufferChanges)
{
    const WatchCase& c = GetParam();
    SilenceWatch watch;
    watch.Start(c.seconds);
    for (std::size_t i = 0; i < c.buffers.size(); ++i) {
        if (c.buffers[i].startAgain)
            watch.Start(*c.buffers[i].startAgain);
        EXPECT_EQ(watch.Feed(c.buffers[i].peak, c.buffers[i].at), c.buffers[i].expected)
            << "buffer " << i << " at " << c.buffers[i].at;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Watch, SilenceWatchCases,
    ::testing::Values(
        WatchCase{"ToldOnceAfterTheSetTime",
                  300,
                  {{0, QUIET, Change::None},
                   {299, QUIET, Change::None},
                   {300, QUIET, Change::Silent},
                   {301, QUIET, Change::None},
                   {7200, QUIET, Change::None},
                   {7201, SOUND, Change::SoundBack},
                   {7202, SOUND, Change::None}}},
        WatchCase{"SoundRestartsTheCount",
                  300,
                  {{0, QUIET, Change::None},
                   {200, SOUND, Change::None},
                   {201, QUIET, Change::None},
                   {500, QUIET, Change::None},
                   {501, QUIET, Change::Silent}}},
        WatchCase{"ALaterSilenceWaitsForTheHour",
                  300,
                  {{0, QUIET, Change::None},
                   {300, QUIET, Change::Silent},
                   {400, SOUND, Change::SoundBack},
                   {401, QUIET, Change::None},
                   {701, QUIET, Change::None},
                   {3899, QUIET, Change::None},
                   {3900, QUIET, Change::Silent},
                   {3901, SOUND, Change::SoundBack}}},
        WatchCase{"ALaterSilenceAfterTheHourIsToldAtItsOwnLength",
                  300,
                  {{0, QUIET, Change::None},
                   {300, QUIET, Change::Silent},
                   {310, SOUND, Change::SoundBack},
                   {4000, QUIET, Change::None},
                   {4299, QUIET, Change::None},
                   {4300, QUIET, Change::Silent}}},
        // A new take is watched afresh: its first silence is told at its own length, whatever
        // was told of the one before.
        WatchCase{"StartingAgainForgetsTheLastTake",
                  60,
                  {{0, QUIET, Change::None},
                   {60, QUIET, Change::Silent},
                   {61, SOUND, Change::None, 60},
                   {62, QUIET, Change::None},
                   {122, QUIET, Change::Silent}}},
        WatchCase{"NotWatching", 0, {{0, QUIET, Change::None}, {100000, QUIET, Change::None}}}),
    [](const ::testing::TestParamInfo<WatchCase>& info) { return info.param.name; });

} // namespace

// The split pass hands the display 16-bit sound in runs that end where a peak block or the
// ring ends: whatever the pieces, it must keep what one frame at a time keeps.

#include "engine/LiveHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <random>
#include <vector>

TEST(LiveHistory, RunsOfAnyLengthKeepWhatFramesOneAtATimeKeep)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> sample(-20000, 20000);
    for (const std::uint32_t piece : {1u, 37u, 240u, 1023u, 5000u}) {
        SCOPED_TRACE(piece);
        LiveHistory frames, runs;
        frames.Restart(48000, 16);
        runs.Restart(48000, 16);
        // Past the ring's end twice, with one full-scale sample on the right late in it.
        const std::uint32_t total = 2 * LiveHistory::CAPACITY + 777;
        std::vector<std::int16_t> left(total), right(total);
        for (std::uint32_t i = 0; i < total; ++i) {
            left[i] = static_cast<std::int16_t>(sample(random));
            right[i] = static_cast<std::int16_t>(i == total - 500 ? -32768 : sample(random));
            frames.Put(left[i], right[i]);
        }
        // Each channel's samples little-endian, one after another, as the split leaves them.
        std::vector<char> l(2 * total), r(2 * total);
        for (std::uint32_t i = 0; i < total; ++i)
            for (auto [out, in] : {std::pair{&l, &left}, std::pair{&r, &right}}) {
                (*out)[2 * i] = static_cast<char>((*in)[i] & 0xFF);
                (*out)[2 * i + 1] = static_cast<char>(static_cast<std::uint16_t>((*in)[i]) >> 8);
            }
        for (std::uint32_t at = 0; at < total; at += piece)
            runs.PutSplit16(&l[2 * at], &r[2 * at], std::min(piece, total - at));
        ASSERT_EQ(runs.Written(), frames.Written());
        for (int channel = 0; channel < 2; ++channel) {
            for (std::uint64_t f = total - LiveHistory::CAPACITY; f < total; f += 97)
                ASSERT_EQ(runs.Sample(channel, f), frames.Sample(channel, f)) << f;
            for (std::uint64_t from = total - 8000; from < total; from += 613)
                EXPECT_EQ(runs.PeakBetween(channel, from, from + 900), frames.PeakBetween(channel, from, from + 900));
            EXPECT_EQ(runs.TakeClip(channel), frames.TakeClip(channel));
        }
    }
}

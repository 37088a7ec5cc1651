// The break finder that the recording tests rely on: it must see one lost sample, a lost
// fragment, a doubled buffer and a hole, and stay quiet on an unbroken tone.

#include "support/ToneBreaks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

std::vector<int> Tone(double hz, double rate, std::size_t count, double amplitude = 16000.0)
{
    std::vector<int> s(count);
    for (std::size_t n = 0; n < count; ++n)
        s[n] = static_cast<int>(std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(n) / rate)));
    return s;
}

// Coarse as 8-bit sound is: the quantisation must not pass for a break.
std::vector<int> EightBit(std::vector<int> s)
{
    for (int& v : s)
        v = static_cast<int>(std::lround(v / 256.0));
    return s;
}

struct Case {
    double hz;
    double rate;
};

class ToneBreaksTest : public ::testing::TestWithParam<Case> {};

TEST_P(ToneBreaksTest, UnbrokenToneHasNone)
{
    const auto [hz, rate] = GetParam();
    const auto tone = Tone(hz, rate, static_cast<std::size_t>(3 * rate));
    EXPECT_TRUE(ToneBreaks(tone, rate, hz, 0).empty()) << DescribeBreaks(ToneBreaks(tone, rate, hz, 0), rate);
    EXPECT_TRUE(ToneBreaks(EightBit(tone), rate, hz, 0).empty());
    // Coding noise 40 dB below the tone, as a lossy encoder leaves.
    auto noisy = tone;
    unsigned seed = 1;
    for (int& v : noisy) {
        seed = seed * 1103515245u + 12345u;
        v += static_cast<int>((seed >> 16) % 321) - 160;
    }
    EXPECT_TRUE(ToneBreaks(noisy, rate, hz, 0).empty()) << DescribeBreaks(ToneBreaks(noisy, rate, hz, 0), rate);
}

TEST_P(ToneBreaksTest, EveryKindOfLossIsFoundOnceWhereItHappened)
{
    const auto [hz, rate] = GetParam();
    const auto cut = static_cast<std::size_t>(1.3 * rate);
    const auto fragment = static_cast<std::size_t>(rate / 50);
    struct Damage {
        const char* what;
        std::vector<int> samples;
    };
    auto tone = Tone(hz, rate, static_cast<std::size_t>(3 * rate));
    std::vector<Damage> damages;

    // Wherever it falls in a measuring window.
    for (double share : {0.0, 0.2, 0.45, 0.7}) {
        auto lostSample = tone;
        lostSample.erase(lostSample.begin() + static_cast<std::ptrdiff_t>(cut) + std::lround(share * rate / 100.0));
        damages.push_back({"one sample lost", lostSample});
    }

    auto lostFragment = tone;
    lostFragment.erase(lostFragment.begin() + static_cast<std::ptrdiff_t>(cut),
                       lostFragment.begin() + static_cast<std::ptrdiff_t>(cut + fragment));
    damages.push_back({"a 20 ms fragment lost", lostFragment});

    auto doubled = tone;
    doubled.insert(doubled.begin() + static_cast<std::ptrdiff_t>(cut), tone.begin() + static_cast<std::ptrdiff_t>(cut - 1024),
                   tone.begin() + static_cast<std::ptrdiff_t>(cut));
    damages.push_back({"a buffer written twice", doubled});

    auto hole = tone;
    std::fill(hole.begin() + static_cast<std::ptrdiff_t>(cut), hole.begin() + static_cast<std::ptrdiff_t>(cut + fragment), 0);
    damages.push_back({"a hole of silence", hole});

    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        const auto breaks = ToneBreaks(d.samples, rate, hz, 0);
        ASSERT_EQ(breaks.size(), 1u) << DescribeBreaks(breaks, rate);
        EXPECT_NEAR(static_cast<double>(breaks[0].at), static_cast<double>(cut), 3.0 * rate / 100.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, ToneBreaksTest,
                         ::testing::Values(Case{440, 44100}, Case{660, 44100}, Case{440, 48000}, Case{440, 8000}),
                         [](const auto& info) {
                             return std::to_string(static_cast<int>(info.param.hz)) + "HzAt" +
                                    std::to_string(static_cast<int>(info.param.rate));
                         });

TEST(ToneBreaks, EdgesAreLeftOut)
{
    auto tone = Tone(440, 44100, 3 * 44100);
    std::fill(tone.begin(), tone.begin() + 2000, 0); // the stream starting late
    EXPECT_EQ(ToneBreaks(tone, 44100, 440, 0).size(), 1u);
    EXPECT_TRUE(ToneBreaks(tone, 44100, 440, 2205).empty());
}

} // namespace

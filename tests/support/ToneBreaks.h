#pragma once
// Finding where a steady tone breaks. Sound lost or doubled anywhere on its way into a file
// moves the tone's phase, however little was lost; a hole of silence drops its amplitude.
// Measuring the length or the frequency misses both when what went missing is short.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

struct ToneBreak {
    std::size_t at = 0;        // first sample of the window where it shows
    double phaseJump = 0.0;    // degrees against the windows before; 0 for a hole
    double amplitude = 0.0;    // of that window, as a share of the tone's usual amplitude
};

// The breaks of a tone of hz in samples, skipping `edge` samples at either end (a stream's
// start and end are not the tone). The tone is measured in windows of whole periods, about
// 10 ms each; a window whose phase differs from either of the two before by more than
// maxJump degrees (one lost sample moves a 440 Hz tone at 48000 Hz by 3.3) or whose
// amplitude is a tenth below the usual is a break. Consecutive broken windows are one break.
// A loss of a whole number of the tone's periods that is also a whole number of samples
// (2205 samples of 440 Hz at 44100 Hz) leaves the phase as it was and is not seen.
inline std::vector<ToneBreak> ToneBreaks(const std::vector<int>& samples, double rate, double hz, std::size_t edge,
                                         double maxJump = 2.0)
{
    std::vector<ToneBreak> breaks;
    const double periods = std::max(1.0, std::round(hz * 0.01));
    const auto window = static_cast<std::size_t>(std::lround(periods * rate / hz));
    if (window < 8 || samples.size() < 2 * edge + 3 * window)
        return breaks;

    struct Measure {
        std::size_t at;
        double phase;
        double amplitude;
    };
    std::vector<Measure> measures;
    for (std::size_t at = edge; at + window <= samples.size() - edge; at += window) {
        double i = 0.0, q = 0.0;
        for (std::size_t n = at; n < at + window; ++n) {
            // The reference runs from the first sample on, so an unbroken tone keeps one phase.
            const double angle = 2.0 * std::numbers::pi * std::fmod(hz * static_cast<double>(n), rate) / rate;
            i += samples[n] * std::cos(angle);
            q += samples[n] * std::sin(angle);
        }
        measures.push_back({at, std::atan2(q, i) * 180.0 / std::numbers::pi,
                            2.0 * std::hypot(i, q) / static_cast<double>(window)});
    }

    std::vector<double> amplitudes;
    for (const Measure& m : measures)
        amplitudes.push_back(m.amplitude);
    std::nth_element(amplitudes.begin(), amplitudes.begin() + static_cast<std::ptrdiff_t>(amplitudes.size() / 2),
                     amplitudes.end());
    const double usual = amplitudes[amplitudes.size() / 2];
    if (usual <= 0.0)
        return breaks;

    // A window that holds the edge of a hole is weaker than the tone, and its phase is off;
    // a small jump may spread over two windows, so each is held against the two before.
    auto full = [&](std::size_t k) { return measures[k].amplitude >= 0.9 * usual; };
    bool inBreak = false;
    for (std::size_t k = 0; k < measures.size(); ++k) {
        const Measure& m = measures[k];
        double jump = 0.0;
        if (full(k)) {
            for (std::size_t back = 1; back <= 2 && back <= k; ++back) {
                if (!full(k - back))
                    continue;
                const double d = std::remainder(m.phase - measures[k - back].phase, 360.0);
                if (std::abs(d) > std::abs(jump))
                    jump = d;
            }
        }
        const bool broken = !full(k) || std::abs(jump) > maxJump;
        if (broken && !inBreak)
            breaks.push_back({m.at, jump, m.amplitude / usual});
        inBreak = broken;
    }
    return breaks;
}

// For a failing expectation: where each break is, in seconds, and what it looks like.
inline std::string DescribeBreaks(const std::vector<ToneBreak>& breaks, double rate)
{
    std::string text;
    for (const ToneBreak& b : breaks) {
        char line[120];
        std::snprintf(line, sizeof line, "%sat %.3f s: phase %+.1f degrees, amplitude %.0f%%",
                      text.empty() ? "" : "; ", static_cast<double>(b.at) / rate, b.phaseJump, b.amplitude * 100.0);
        text += line;
    }
    return text;
}

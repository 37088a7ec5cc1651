#pragma once
// Measuring a steady tone by its rising zero crossings.

#include <cstddef>
#include <vector>

// The frequency of the tone in samples[from, to): whole periods from its first rising
// crossing to its last, so that the partial periods at either end do not count. 0 when
// fewer than two crossings are found.
inline double RisingCrossingFrequency(const std::vector<int>& samples, std::size_t from, std::size_t to, double rate)
{
    std::size_t first = 0, last = 0;
    long crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0) {
            if (crossings == 0)
                first = i;
            last = i;
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0.0;
    return static_cast<double>(crossings - 1) * rate / static_cast<double>(last - first);
}

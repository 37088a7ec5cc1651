#pragma once
// One channel of interleaved PCM as the devices deliver it (8-bit unsigned or 16-bit signed
// little-endian), as signed values around zero.

#include <cstddef>
#include <cstdint>
#include <vector>

inline std::vector<int> ChannelSamples(const char* data, std::size_t size, unsigned bits, unsigned channels,
                                       unsigned channel)
{
    const auto* b = reinterpret_cast<const std::uint8_t*>(data);
    const std::size_t width = bits / 8;
    std::vector<int> samples;
    for (std::size_t at = channel * width; at + width <= size; at += channels * width)
        samples.push_back(bits == 8 ? b[at] - 128 : static_cast<std::int16_t>(b[at] | (b[at + 1] << 8)));
    return samples;
}

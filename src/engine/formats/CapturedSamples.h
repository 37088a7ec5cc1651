#pragma once
// The captured samples as the encoders take them.

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

// The captured samples as numbers into out (count of them): 8-bit ones, unsigned, centred on
// 0 and multiplied by scale8; 16-bit ones, signed little-endian, as they are. out is kept
// between calls and grows only when a longer block comes: no allocation per buffer.
template <typename T>
T* CapturedSamples(const char* data, std::uint32_t count, std::uint16_t bits, int scale8, std::vector<T>& out)
{
    if (out.size() < count)
        out.resize(count);
    const auto* in = reinterpret_cast<const unsigned char*>(data);
    if (bits == 8) {
        for (std::uint32_t i = 0; i < count; ++i)
            out[i] = static_cast<T>((in[i] - 128) * scale8);
    } else if constexpr (std::endian::native == std::endian::little) {
        // A plain load of each sample, which the compiler turns into vector widening: this
        // runs over every sample of a FLAC or Opus take.
        for (std::size_t i = 0; i < count; ++i) {
            std::int16_t sample;
            std::memcpy(&sample, in + 2 * i, sizeof sample);
            out[i] = static_cast<T>(sample);
        }
    } else {
        for (std::uint32_t i = 0; i < count; ++i)
            out[i] = static_cast<T>(static_cast<std::int16_t>(in[2 * i] | in[2 * i + 1] << 8));
    }
    return out.data();
}

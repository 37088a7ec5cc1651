// The pass over each buffer: the channels split for the per-channel files, and every frame
// handed to the live display, whose meters take their peaks from it on the way.

#include "engine/take/ChannelSplit.h"

#include <cstring>

namespace {

// The sample at p as the display keeps it.
template <int B>
std::int16_t Sample(const char* p)
{
    const auto* u = reinterpret_cast<const std::uint8_t*>(p);
    if constexpr (B == 1)
        return LiveHistory::From8(u[0]);
    else
        return static_cast<std::int16_t>(u[0] | u[1] << 8);
}

// Frames of b bytes a sample, one or two channels: each channel into a buffer of its own
// (a mono one into both), and each frame to the display. Whole frames only: a trailing
// part-frame would read past the data. B is b when known when compiling, so that each
// sample moves in one instruction rather than a call (this runs for every buffer); 0 for
// any other size, which the display does not show. Returns bytes per channel.
template <int B>
std::int32_t SplitFrames(const char* data, std::int32_t length, std::int32_t b, bool stereo, char* left,
                         char* right, LiveHistory& live)
{
    const auto size = static_cast<std::size_t>(B > 0 ? B : b);
    const auto frame = static_cast<std::int32_t>(stereo ? 2 * size : size);
    std::size_t out = 0;
    for (std::int32_t p = 0; p + frame <= length; p += frame) {
        const char* second = stereo ? data + p + size : data + p;
        std::memcpy(left + out, data + p, size);
        std::memcpy(right + out, second, size);
        if constexpr (B > 0)
            live.Put(Sample<B>(data + p), Sample<B>(second));
        out += size;
    }
    return static_cast<std::int32_t>(out);
}

// 16-bit frames: the channels apart first, then to the display in runs, which the compiler
// turns into moves and comparisons of many samples at a time (this is most of the sound
// the program takes in).
std::int32_t SplitFrames16(const char* data, std::int32_t length, bool stereo, char* left, char* right,
                           LiveHistory& live)
{
    const std::int32_t frame = stereo ? 4 : 2;
    const std::int32_t frames = length / frame;
    const auto bytes = static_cast<std::size_t>(frames) * 2;
    if (stereo) {
        for (std::int32_t i = 0; i < frames; ++i) {
            std::memcpy(left + 2 * i, data + 4 * i, 2);
            std::memcpy(right + 2 * i, data + 4 * i + 2, 2);
        }
    } else {
        std::memcpy(left, data, bytes);
        std::memcpy(right, data, bytes);
    }
    live.PutSplit16(left, right, static_cast<std::uint32_t>(frames));
    return static_cast<std::int32_t>(bytes);
}

} // namespace

std::int32_t SplitIntoChannels(std::uint16_t bits, bool stereo, const char* data, std::int32_t length, char* left,
                               char* right, std::int32_t capacity, LiveHistory& live)
{
    if (length <= 0)
        return 0;
    // Never more than the scratch buffers hold, whatever a device reports.
    if (length > capacity)
        length = capacity;
    const std::int32_t b = bits / 8;
    switch (b) {
    case 1:
        return SplitFrames<1>(data, length, b, stereo, left, right, live);
    case 2:
        return SplitFrames16(data, length, stereo, left, right, live);
    default:
        if (b <= 0)
            return 0;
        if (!stereo) {
            // Whole samples or not, a mono buffer is its own channel.
            std::memcpy(left, data, static_cast<std::size_t>(length));
            std::memcpy(right, data, static_cast<std::size_t>(length));
            return length;
        }
        return SplitFrames<0>(data, length, b, stereo, left, right, live);
    }
}

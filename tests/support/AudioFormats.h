#pragma once
// PCM formats and buffer sizes as the engine makes them.

#include "platform/audio/WaveTypes.h"

#include <cstdint>

namespace testsupport {

inline WAVEFORMATEX Pcm(std::uint32_t rate, std::uint16_t bits, std::uint16_t channels)
{
    return PcmFormat(rate, bits, channels);
}

// The bytes of whole frames that last `milliseconds`.
inline std::uint32_t BytesFor(const WAVEFORMATEX& format, unsigned milliseconds)
{
    return format.nSamplesPerSec * milliseconds / 1000 * format.nBlockAlign;
}

} // namespace testsupport

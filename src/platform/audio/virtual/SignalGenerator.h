#pragma once
// The bytes a virtual capture device produces, as a pure function of the position in the
// stream, so that any run can be checked byte for byte and a buffer boundary never shows
// in the signal.

#include "platform/audio/WaveTypes.h"
#include "platform/audio/virtual/VirtualBackend.h"

#include <cstddef>
#include <cstdint>

namespace platform {

class SignalGenerator {
public:
    SignalGenerator(const VirtualDeviceSpec& device, const WAVEFORMATEX& format);

    // Writes bytes [offset, offset + count) of the stream to dest. Offsets need not fall on
    // frame boundaries: a frame may be split between two buffers.
    void Fill(std::uint64_t offset, char* dest, std::size_t count) const;

private:
    // The bytes of one whole frame (at most 2 channels × 2 bytes).
    void Frame(std::uint64_t frame, std::uint8_t* out) const;
    bool IsSilent(std::uint64_t frame) const;
    std::uint8_t SineSample8(std::uint64_t frame, double hz) const;
    std::int16_t SineSample16(std::uint64_t frame, double hz) const;

    VirtualSignal m_signal;
    double m_leftHz;
    double m_rightHz;
    double m_amplitude;
    std::uint64_t m_nSoundFrames;
    std::uint64_t m_nBurstStart;
    std::uint64_t m_nBurstEvery;
    unsigned m_nChannels;
    unsigned m_nBits;
    unsigned m_nRate;
    unsigned m_nBlockAlign;
};

} // namespace platform

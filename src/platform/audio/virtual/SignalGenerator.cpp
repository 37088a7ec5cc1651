#include "platform/audio/virtual/SignalGenerator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {

SignalGenerator::SignalGenerator(const VirtualDeviceSpec& device, const WAVEFORMATEX& format)
    : m_signal(device.signal), m_leftHz(device.leftHz), m_rightHz(device.rightHz), m_amplitude(device.amplitude),
      m_nSoundFrames(device.soundFrames), m_nBurstStart(device.burstStart), m_nBurstEvery(device.burstEvery),
      m_nChannels(format.nChannels), m_nBits(format.wBitsPerSample), m_nRate(format.nSamplesPerSec),
      m_nBlockAlign(format.nBlockAlign)
{
}

void SignalGenerator::Fill(std::uint64_t offset, char* dest, std::size_t count) const
{
    if (m_signal == VirtualSignal::Counter) {
        for (std::size_t i = 0; i < count; ++i)
            dest[i] = static_cast<char>((offset + i) & 0xFF);
        return;
    }
    std::uint8_t frame[4];
    std::size_t done = 0;
    while (done < count) {
        const std::uint64_t at = offset + done;
        const std::uint64_t index = at / m_nBlockAlign;
        const std::size_t within = static_cast<std::size_t>(at % m_nBlockAlign);
        Frame(index, frame);
        const std::size_t n = std::min<std::size_t>(m_nBlockAlign - within, count - done);
        std::copy_n(frame + within, n, reinterpret_cast<std::uint8_t*>(dest) + done);
        done += n;
    }
}

void SignalGenerator::Frame(std::uint64_t frame, std::uint8_t* out) const
{
    const bool silent = IsSilent(frame);
    for (unsigned ch = 0; ch < m_nChannels; ++ch) {
        const double hz = ch == 0 ? m_leftHz : m_rightHz;
        if (m_signal == VirtualSignal::FrameCounter) {
            const std::uint64_t value = frame >> (ch * m_nBits);
            out[ch * m_nBits / 8] = static_cast<std::uint8_t>(value & 0xFF);
            if (m_nBits == 16)
                out[2 * ch + 1] = static_cast<std::uint8_t>(value >> 8 & 0xFF);
        } else if (m_nBits == 8) {
            out[ch] = silent ? 0x80 : SineSample8(frame, hz);
        } else {
            const std::int16_t v = silent ? 0 : SineSample16(frame, hz);
            const auto u = static_cast<std::uint16_t>(v);
            out[2 * ch] = static_cast<std::uint8_t>(u & 0xFF); // little-endian, as WAV data is
            out[2 * ch + 1] = static_cast<std::uint8_t>(u >> 8);
        }
    }
}

bool SignalGenerator::IsSilent(std::uint64_t frame) const
{
    if (m_signal == VirtualSignal::Silence)
        return true;
    if (m_nSoundFrames == 0)
        return false;
    if (frame < m_nBurstStart)
        return true;
    const std::uint64_t into = frame - m_nBurstStart;
    return (m_nBurstEvery > 0 ? into % m_nBurstEvery : into) >= m_nSoundFrames;
}

namespace {
double Phase(std::uint64_t frame, double hz, unsigned rate)
{
    if (!(hz > 0.0) || !std::isfinite(hz))
        return 0.0; // no frequency to speak of: a flat line rather than garbage
    // Reduce the frame count to within one period first, so the phase stays exact however
    // long the stream runs.
    const double period = rate / hz;
    const double inPeriod = std::fmod(static_cast<double>(frame), period);
    return 2.0 * std::numbers::pi * inPeriod / period;
}
} // namespace

// Beyond full scale the sine is cut off, as a converter driven too hard clips.
std::uint8_t SignalGenerator::SineSample8(std::uint64_t frame, double hz) const
{
    const long v = 128 + std::lround(m_amplitude * 128.0 * std::sin(Phase(frame, hz, m_nRate)));
    return static_cast<std::uint8_t>(std::clamp(v, 0L, 255L));
}

std::int16_t SignalGenerator::SineSample16(std::uint64_t frame, double hz) const
{
    const long v = std::lround(m_amplitude * 32768.0 * std::sin(Phase(frame, hz, m_nRate)));
    return static_cast<std::int16_t>(std::clamp(v, -32768L, 32767L));
}

} // namespace platform

#include "platform/audio/WaveTypes.h"

namespace {
void Put16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
} // namespace

QEvent::Type WaveEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

std::array<std::uint8_t, WAVEFORMATEX_BYTES> SerializeFormat(const WAVEFORMATEX& wfx)
{
    std::array<std::uint8_t, WAVEFORMATEX_BYTES> b{};
    Put16(&b[0], wfx.wFormatTag);
    Put16(&b[2], wfx.nChannels);
    Put32(&b[4], wfx.nSamplesPerSec);
    Put32(&b[8], wfx.nAvgBytesPerSec);
    Put16(&b[12], wfx.nBlockAlign);
    Put16(&b[14], wfx.wBitsPerSample);
    Put16(&b[16], wfx.cbSize);
    return b;
}

WAVEFORMATEX ParseFormat(const std::uint8_t* bytes, std::size_t length)
{
    std::uint8_t b[WAVEFORMATEX_BYTES] = {};
    for (std::size_t i = 0; i < length && i < WAVEFORMATEX_BYTES; ++i)
        b[i] = bytes[i];
    auto get16 = [&](int o) { return static_cast<std::uint16_t>(b[o] | (b[o + 1] << 8)); };
    auto get32 = [&](int o) {
        return static_cast<std::uint32_t>(b[o]) | (static_cast<std::uint32_t>(b[o + 1]) << 8) |
               (static_cast<std::uint32_t>(b[o + 2]) << 16) | (static_cast<std::uint32_t>(b[o + 3]) << 24);
    };
    WAVEFORMATEX wfx;
    wfx.wFormatTag = get16(0);
    wfx.nChannels = get16(2);
    wfx.nSamplesPerSec = get32(4);
    wfx.nAvgBytesPerSec = get32(8);
    wfx.nBlockAlign = get16(12);
    wfx.wBitsPerSample = get16(14);
    wfx.cbSize = get16(16);
    return wfx;
}

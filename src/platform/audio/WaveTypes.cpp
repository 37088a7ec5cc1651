#include "platform/audio/WaveTypes.h"

#include "platform/LittleEndian.h"

using platform::Get16;
using platform::Get32;
using platform::Put16;
using platform::Put32;

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
    WAVEFORMATEX wfx;
    wfx.wFormatTag = Get16(&b[0]);
    wfx.nChannels = Get16(&b[2]);
    wfx.nSamplesPerSec = Get32(&b[4]);
    wfx.nAvgBytesPerSec = Get32(&b[8]);
    wfx.nBlockAlign = Get16(&b[12]);
    wfx.wBitsPerSample = Get16(&b[14]);
    wfx.cbSize = Get16(&b[16]);
    return wfx;
}

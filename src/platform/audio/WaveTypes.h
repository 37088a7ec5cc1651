#pragma once
// The records and codes that cross between the engine and an audio backend. They keep the
// layout and values of the classic wave API so that the engine's logic and its messages
// ("WAVEIN:%x:...") read the same as on the system the recorder was first written for.

#include <QEvent>

#include <array>
#include <cstddef>
#include <cstdint>

using MMRESULT = std::uint32_t;

// Result codes. Codes from SERVER_ERROR_BASE up carry a sound-server error number.
inline constexpr MMRESULT MMSYSERR_NOERROR = 0;
inline constexpr MMRESULT MMSYSERR_ERROR = 1;
inline constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
inline constexpr MMRESULT MMSYSERR_NOTENABLED = 3;
inline constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
inline constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
inline constexpr MMRESULT MMSYSERR_NODRIVER = 6;
inline constexpr MMRESULT MMSYSERR_NOMEM = 7;
inline constexpr MMRESULT MMSYSERR_NOTSUPPORTED = 8;
inline constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
inline constexpr MMRESULT WAVERR_BADFORMAT = 32;
inline constexpr MMRESULT WAVERR_STILLPLAYING = 33;
inline constexpr MMRESULT WAVERR_UNPREPARED = 34;
inline constexpr MMRESULT SERVER_ERROR_BASE = 0x100;

// Notification codes, posted to the stream's target object in a WaveEvent.
inline constexpr std::uint32_t MM_WOM_OPEN = 0x3BB;
inline constexpr std::uint32_t MM_WOM_CLOSE = 0x3BC;
inline constexpr std::uint32_t MM_WOM_DONE = 0x3BD;
inline constexpr std::uint32_t MM_WIM_OPEN = 0x3BE;
inline constexpr std::uint32_t MM_WIM_CLOSE = 0x3BF;
inline constexpr std::uint32_t MM_WIM_DATA = 0x3C0;
// A stream that failed while running (server gone, device removed). Outside the range
// the engine forwards to its owner: the engine reports it and closes the stream itself.
inline constexpr std::uint32_t MM_WIM_ERROR = 0x3D0;
inline constexpr std::uint32_t MM_WOM_ERROR = 0x3D1;
// Capture lost sound between the device and the program (an overrun): a break in the sound.
// Posted in order with the buffers, before the one the sound resumes in; outside the range
// forwarded to the owner, as the engine counts it itself.
inline constexpr std::uint32_t MM_WIM_BREAK = 0x3D2;

// Header flags.
inline constexpr std::uint32_t WHDR_DONE = 0x01;
inline constexpr std::uint32_t WHDR_PREPARED = 0x02;
inline constexpr std::uint32_t WHDR_INQUEUE = 0x10;

inline constexpr std::uint16_t WAVE_FORMAT_PCM = 1;

// The 18-byte format record. Its in-memory layout is not its file layout: the WAV code
// serialises it field by field, little-endian.
struct WAVEFORMATEX {
    std::uint16_t wFormatTag = 0;
    std::uint16_t nChannels = 0;
    std::uint32_t nSamplesPerSec = 0;
    std::uint32_t nAvgBytesPerSec = 0;
    std::uint16_t nBlockAlign = 0;
    std::uint16_t wBitsPerSample = 0;
    std::uint16_t cbSize = 0;
};
inline constexpr std::size_t WAVEFORMATEX_BYTES = 18;

// Linear PCM: bits per sample 8 or 16, interleaved channels.
inline WAVEFORMATEX PcmFormat(std::uint32_t rate, std::uint16_t bits, std::uint16_t channels)
{
    WAVEFORMATEX format;
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = channels;
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = bits;
    format.nBlockAlign = static_cast<std::uint16_t>(bits / 8 * channels);
    format.nAvgBytesPerSec = rate * format.nBlockAlign;
    return format;
}

std::array<std::uint8_t, WAVEFORMATEX_BYTES> SerializeFormat(const WAVEFORMATEX& wfx);
// Reads up to 18 bytes; fields the bytes do not reach stay 0 (a 16-byte PCM record has no cbSize).
WAVEFORMATEX ParseFormat(const std::uint8_t* bytes, std::size_t length);

// A caller-owned buffer lent to a device. The device writes only dwBytesRecorded and dwFlags.
struct WAVEHDR {
    char* lpData = nullptr;
    std::uint32_t dwBufferLength = 0;
    std::uint32_t dwBytesRecorded = 0;
    std::uintptr_t dwUser = 0;
    std::uint32_t dwFlags = 0;
};

// One device notification, delivered with QCoreApplication::postEvent to the object the
// stream was opened for, so it is handled on that object's (the UI) thread, in order.
class WaveEvent : public QEvent {
public:
    static QEvent::Type EventType();

    WaveEvent(std::uint32_t message, std::uint64_t streamId, WAVEHDR* header, MMRESULT error)
        : QEvent(EventType()), m_nMessage(message), m_nStreamId(streamId), m_pHeader(header),
          m_nError(error)
    {
    }

    std::uint32_t Message() const { return m_nMessage; }
    // Which stream sent it: a buffer handed back by a stream that has since been closed
    // must not be touched, as its ring may already be gone.
    std::uint64_t StreamId() const { return m_nStreamId; }
    WAVEHDR* Header() const { return m_pHeader; }
    MMRESULT Error() const { return m_nError; }

private:
    std::uint32_t m_nMessage;
    std::uint64_t m_nStreamId;
    WAVEHDR* m_pHeader;
    MMRESULT m_nError;
};

#pragma once
// What the virtual backend's tests share: a backend, a target that records what it is
// posted, and caller-owned rings of buffers.

#include "platform/audio/virtual/VirtualBackend.h"
#include "support/EventCollector.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace tests {

inline WAVEFORMATEX Pcm(std::uint32_t rate, std::uint16_t bits, std::uint16_t channels)
{
    WAVEFORMATEX f;
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = channels;
    f.nSamplesPerSec = rate;
    f.wBitsPerSample = bits;
    f.nBlockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    f.nAvgBytesPerSec = rate * f.nBlockAlign;
    return f;
}

// Buffers the caller owns, as the engine's ring does. Never resized, so headers stay put.
struct Ring {
    Ring(unsigned count, unsigned size) : data(count, std::vector<char>(size)), headers(count)
    {
        for (unsigned i = 0; i < count; ++i) {
            headers[i].lpData = data[i].data();
            headers[i].dwBufferLength = size;
        }
    }
    WAVEHDR* operator[](unsigned i) { return &headers[i]; }

    std::vector<std::vector<char>> data;
    std::vector<WAVEHDR> headers;
};

// The default capture devices, by index.
inline constexpr int SINE = 0;
inline constexpr int COUNTER = 1;
inline constexpr int SILENCE = 2;

class VirtualBackendTest : public ::testing::Test {
protected:
    std::unique_ptr<platform::IWaveStream> Open(platform::Direction dir, int device, const WAVEFORMATEX& format)
    {
        std::unique_ptr<platform::IWaveStream> stream;
        EXPECT_EQ(backend.Open(dir, device, format, &events, stream), MMSYSERR_NOERROR);
        return stream;
    }

    static void Queue(platform::IWaveStream& stream, Ring& ring)
    {
        for (WAVEHDR& h : ring.headers) {
            if (!(h.dwFlags & WHDR_PREPARED))
                ASSERT_EQ(stream.Prepare(&h), MMSYSERR_NOERROR);
            ASSERT_EQ(stream.AddBuffer(&h), MMSYSERR_NOERROR);
        }
    }

    // The bytes of the buffers handed back so far, in the order they came back.
    QByteArray Recorded()
    {
        events.DeliverPosted();
        QByteArray bytes;
        for (WAVEHDR* h : events.Headers(MM_WIM_DATA))
            bytes.append(h->lpData, h->dwBytesRecorded);
        return bytes;
    }

    static void ExpectCounter(const QByteArray& bytes, std::uint64_t from)
    {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            ASSERT_EQ(static_cast<std::uint8_t>(bytes[i]), (from + static_cast<std::uint64_t>(i)) & 0xFF) << "byte " << i;
    }

    platform::VirtualBackend backend;
    EventCollector events;
};

} // namespace tests

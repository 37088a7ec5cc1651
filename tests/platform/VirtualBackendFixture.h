#pragma once
// What the virtual backend's tests share: a backend, a target that records what it is
// posted, and queuing of caller-owned buffers.

#include "platform/audio/virtual/VirtualBackend.h"
#include "support/AudioFormats.h"
#include "support/EventCollector.h"
#include "support/TestBuffers.h"
#include "support/VirtualDevices.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace tests {

using testsupport::Pcm;
using testsupport::TestBuffers;

class VirtualBackendTest : public ::testing::Test {
protected:
    std::unique_ptr<platform::IWaveStream> Open(platform::Direction dir, int device, const WAVEFORMATEX& format)
    {
        std::unique_ptr<platform::IWaveStream> stream;
        EXPECT_EQ(backend.Open(dir, device, format, &events, stream), MMSYSERR_NOERROR);
        return stream;
    }

    // Prepares only what is not prepared yet: buffers given again after a Reset go back
    // as they are, as the engine re-queues them.
    static void Queue(platform::IWaveStream& stream, TestBuffers& buffers)
    {
        for (WAVEHDR* h : buffers.All()) {
            if (!(h->dwFlags & WHDR_PREPARED)) {
                ASSERT_EQ(stream.Prepare(h), MMSYSERR_NOERROR);
            }
            ASSERT_EQ(stream.AddBuffer(h), MMSYSERR_NOERROR);
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

#pragma once
// Hands caller-owned buffers to a stream, each prepared first, as the engine does when it
// starts a device.

#include "platform/audio/AudioBackend.h"
#include "support/TestBuffers.h"

#include <gtest/gtest.h>

namespace testsupport {

inline void PrepareAndQueue(platform::IWaveStream& stream, TestBuffers& buffers)
{
    for (WAVEHDR* header : buffers.All()) {
        ASSERT_EQ(stream.Prepare(header), MMSYSERR_NOERROR);
        ASSERT_EQ(stream.AddBuffer(header), MMSYSERR_NOERROR);
    }
}

} // namespace testsupport

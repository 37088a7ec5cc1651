#pragma once
// Input-source tests on the in-memory mixer: each test builds the mixers it needs, with
// as many virtual capture devices beside them, and an engine that is never started.

#include "engine/AudioPlayRec.h"
#include "mixer/InputSources.h"
#include "mixer/VolumeInXXX.h"
#include "platform/ShowMessage.h"
#include "platform/audio/virtual/VirtualBackend.h"
#include "platform/mixer/memory/MemoryMixerBackend.h"

#include <gtest/gtest.h>

#include <vector>

namespace tests {

using platform::MemoryControl;
using platform::MemoryLine;
using platform::MemoryMixerDevice;

inline constexpr std::uint32_t MIC = platform::MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE;
inline constexpr std::uint32_t LINE = platform::MIXERLINE_COMPONENTTYPE_SRC_LINE;
inline constexpr std::uint32_t OTHER = platform::MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED;
inline constexpr std::uint32_t ALL_ONES = 0xFFFFFFFF;

// A source line with a stereo volume control 0 … 1000 at `value`.
inline MemoryLine Source(const QString& name, std::uint32_t type, std::uint32_t value = 500)
{
    return platform::MemorySource(name, type, 2, {platform::MemoryVolume(2, 0, 1000, value, 101)});
}

// A mixer whose stereo recording destination has these switches and sources.
inline MemoryMixerDevice Mixer(std::vector<MemoryLine> sources, std::vector<MemoryControl> switches = {})
{
    MemoryMixerDevice d;
    d.destination = platform::MemorySource(QStringLiteral("Recording"), platform::MIXERLINE_COMPONENTTYPE_DST_WAVEIN,
                                           2, std::move(switches));
    d.sources = std::move(sources);
    return d;
}

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::UseMixerBackend(&mixer);
        platform::UseAudioBackend(&audio);
    }

    void TearDown() override
    {
        platform::UseMixerBackend(nullptr);
        platform::UseAudioBackend(nullptr);
        // Every call closes what it opened, and nothing here ever shows a message.
        EXPECT_EQ(mixer.OpenMixerCount(), 0u);
        EXPECT_EQ(g_pActiveVolume, nullptr);
        EXPECT_TRUE(messages.Messages().empty());
    }

    // Mixer i stands beside capture device i.
    void UseDevices(std::vector<MemoryMixerDevice> devices)
    {
        std::vector<platform::VirtualDeviceSpec> capture;
        for (std::size_t i = 0; i < devices.size(); ++i)
            capture.push_back({QStringLiteral("Capture %1").arg(i)});
        audio.SetDevices(platform::Direction::Capture, std::move(capture));
        mixer.SetDevices(std::move(devices));
    }

    std::vector<std::uint32_t>& Values(unsigned device, int line, unsigned control)
    {
        MemoryMixerDevice& d = mixer.Device(device);
        MemoryLine& l = line < 0 ? *d.destination : d.sources.at(static_cast<std::size_t>(line));
        return l.controls.at(control).values;
    }

    platform::MemoryMixerBackend mixer;
    platform::VirtualBackend audio;
    platform::MessageRecorder messages;
    CAudioPlayRec engine;
};

} // namespace tests

#pragma once
// A scripted mixer held in memory, for deterministic tests: the test builds the devices,
// every write lands in them, and changes made "by another program" are posted to open
// mixers exactly as a real backend posts them.

#include "platform/mixer/MixerBackend.h"
#include "platform/mixer/memory/MemoryMixerDevice.h"

#include <memory>
#include <vector>

namespace platform {

class MemoryMixerBackend : public IMixerBackend {
public:
    // Starts with the devices of VirtualMixerDevices().
    MemoryMixerBackend();
    ~MemoryMixerBackend() override;

    void SetDevices(std::vector<MemoryMixerDevice> devices);
    // The device DEFAULT_WAVEIN stands for.
    void SetDefaultDevice(unsigned device);
    // The device as it is now, for a test to look at or change directly (changes made
    // here post nothing).
    MemoryMixerDevice& Device(unsigned device);

    // Another program sets control `control` of source line `line` (-1: the destination):
    // the values are stored and every open mixer of the device is told.
    void SetFromOutside(unsigned device, int line, unsigned control, std::vector<std::uint32_t> values);

    // Calls of SetControlDetails that were accepted, on any device.
    unsigned WriteCount() const;
    unsigned OpenMixerCount() const;

    unsigned DeviceCount() override;
    MMRESULT GetMixerId(std::uint32_t waveInDevice, std::uint32_t& mixerId) override;
    MMRESULT Open(std::uint32_t mixerId, QObject* target, std::unique_ptr<IMixer>& mixer) override;

private:
    friend class MemoryMixer;
    struct State;
    std::shared_ptr<State> m_pState;
};

} // namespace platform

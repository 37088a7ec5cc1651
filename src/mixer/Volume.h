#pragma once
// The input-volume interface: one source line of one capture device's mixer, in the
// volume control's own units. Nothing here is scaled; -1 answers "not available".

#include <cstdint>

using VolumeChangeProc = void (*)(std::int32_t volume, std::uint32_t userValue);

class IVolume {
public:
    virtual bool HasVolumeControl() = 0;
    virtual void SelectAsRecordingSource() = 0;
    virtual void NoOperation() = 0;
    virtual std::int32_t GetStepCount() = 0;
    virtual std::int32_t GetMinimum() = 0;
    virtual std::int32_t GetMaximum() = 0;
    virtual std::int32_t GetVolume() = 0;
    virtual void SetVolume(std::uint32_t value) = 0;
    virtual void SetChangeCallback(VolumeChangeProc proc, std::uint32_t userValue) = 0;

protected:
    // Objects are always made and destroyed as what they are, never through this interface.
    ~IVolume() = default;
};

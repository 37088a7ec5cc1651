#pragma once
// One source line of one capture device's mixer, for the length of one call: built (mixer
// opened, line and volume control looked up), used once or twice, destroyed (mixer
// closed). Every operation on an object whose mixer or line was not found does nothing or
// answers -1.

#include "mixer/Volume.h"
#include "mixer/VolumeNotifyWindow.h"
#include "platform/mixer/MixerBackend.h"

#include <cstdint>
#include <memory>

class CVolumeInXXX final : public IVolume {
public:
    CVolumeInXXX(std::uint32_t waveInDevice, std::uint32_t sourceIndex);
    ~CVolumeInXXX();
    CVolumeInXXX(const CVolumeInXXX&) = delete;
    CVolumeInXXX& operator=(const CVolumeInXXX&) = delete;

    bool HasVolumeControl() override;
    void SelectAsRecordingSource() override;
    void NoOperation() override;
    std::int32_t GetStepCount() override;
    std::int32_t GetMinimum() override;
    std::int32_t GetMaximum() override;
    std::int32_t GetVolume() override;
    void SetVolume(std::uint32_t value) override;
    void SetChangeCallback(VolumeChangeProc proc, std::uint32_t userValue) override;

    std::uint32_t m_uWaveInDevice;
    bool m_bMixerOpen = false;
    bool m_bLineFound = false;
    bool m_bVolumeAvailable = false;
    std::uint32_t m_uMixerId = 0;
    std::unique_ptr<platform::IMixer> m_hMixer;
    // Set by FindSourceLine; not read when the line was not found.
    std::uint32_t m_dwLineId = 0;
    std::uint32_t m_dwVolumeControlId = 0;
    std::uint32_t m_nChannels = 0;
    std::uint32_t m_nSourceIndex = 0;
    std::unique_ptr<VolumeNotifyWindow> m_hNotifyWnd;
    std::uint32_t m_nMinimum = 0xFFFFFFFF;
    std::uint32_t m_nMaximum = 0xFFFFFFFF;
    std::uint32_t m_nSteps = 0;
    VolumeChangeProc m_pfnOnChange = nullptr;
    std::uint32_t m_dwCallbackData = 0;

private:
    bool OpenMixer();
    bool FindSourceLine(std::uint32_t sourceIndex);
};

// The object whose mixer was opened most recently; null once any object is destroyed or
// its line lookup fails. The notification window reads it.
extern CVolumeInXXX* g_pActiveVolume;

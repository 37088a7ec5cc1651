#include "platform/mixer/MixerBackend.h"

#include "platform/audio/AudioBackend.h"
#include "platform/mixer/memory/MemoryMixerBackend.h"
#include "platform/mixer/pulse/PulseMixerBackend.h"

#include <algorithm>

namespace platform {

namespace {
IMixerBackend* g_pChosenMixer = nullptr;

IMixerBackend& DefaultMixerBackend()
{
    // Chosen by the same switch as the audio backend, so the virtual capture devices get
    // mixers that stand beside them.
    static std::unique_ptr<IMixerBackend> backend = []() -> std::unique_ptr<IMixerBackend> {
        if (UsesVirtualDevices())
            return std::make_unique<MemoryMixerBackend>();
        return std::make_unique<PulseMixerBackend>();
    }();
    return *backend;
}
} // namespace

IMixerBackend& CurrentMixerBackend()
{
    return g_pChosenMixer ? *g_pChosenMixer : DefaultMixerBackend();
}

void UseMixerBackend(IMixerBackend* backend)
{
    g_pChosenMixer = backend;
}

MMRESULT IMixer::GetLineControlByType(std::uint32_t lineId, std::uint32_t controlType, MIXERCONTROL& control)
{
    std::vector<MIXERCONTROL> controls;
    if (const MMRESULT r = GetLineControls(lineId, controls); r != MMSYSERR_NOERROR)
        return r;
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [controlType](const MIXERCONTROL& c) { return c.dwControlType == controlType; });
    if (it == controls.end())
        return MIXERR_INVALCONTROL;
    control = *it;
    return MMSYSERR_NOERROR;
}

} // namespace platform

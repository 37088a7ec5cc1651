#include "mixer/InputSources.h"

#include "engine/AudioPlayRec.h"
#include "mixer/VolumeInXXX.h"
#include "platform/audio/AudioBackend.h"
#include "platform/mixer/MixerBackend.h"

namespace {

std::uint32_t SourceIndex(const CAudioPlayRec& engine, bool lineInput)
{
    return lineInput ? engine.m_nLineSource : engine.m_nMicSource;
}

} // namespace

QString GetWaveInDeviceName(std::uint32_t device)
{
    return platform::CurrentAudioBackend().DeviceName(platform::Direction::Capture, device);
}

int FindMixerCapableDevice()
{
    // The device count is asked again each time: devices may come and go during the search.
    for (std::uint32_t device = 0;
         device < platform::CurrentAudioBackend().DeviceCount(platform::Direction::Capture); ++device) {
        const CVolumeInXXX volume(device, 0);
        if (volume.m_bVolumeAvailable)
            return static_cast<int>(device);
    }
    return -1;
}

std::int32_t QueryInputVolume(const CAudioPlayRec& engine, bool lineInput, std::int32_t* maximum,
                              std::int32_t* minimum)
{
    CVolumeInXXX volume(engine.m_nDeviceID, SourceIndex(engine, lineInput));
    if (maximum)
        *maximum = volume.GetMaximum();
    if (minimum)
        *minimum = volume.GetMinimum();
    return volume.GetVolume();
}

void ApplyInputSource(const CAudioPlayRec& engine, std::uint32_t volume, bool lineInput)
{
    CVolumeInXXX source(engine.m_nDeviceID, SourceIndex(engine, lineInput));
    if (volume == 0xFFFFFFFF && source.m_bVolumeAvailable)
        volume = source.m_nMaximum;
    source.SetVolume(volume);
    source.SelectAsRecordingSource();
}

bool EnumerateInputSources(std::uint32_t device, MixerSourceProc callback, void* context)
{
    platform::IMixerBackend& backend = platform::CurrentMixerBackend();
    std::uint32_t mixerId = 0;
    if (backend.GetMixerId(device, mixerId) != MMSYSERR_NOERROR)
        return false;
    std::unique_ptr<platform::IMixer> mixer;
    if (backend.Open(mixerId, nullptr, mixer) != MMSYSERR_NOERROR)
        return false;
    platform::MIXERLINE destination;
    if (mixer->GetDestinationByComponentType(platform::MIXERLINE_COMPONENTTYPE_DST_WAVEIN, destination) !=
        MMSYSERR_NOERROR)
        return false;
    for (std::uint32_t i = 0; i < destination.cConnections; ++i) {
        platform::MIXERLINE line;
        if (mixer->GetSourceLine(destination.dwDestination, i, line) != MMSYSERR_NOERROR)
            return false;
        if (!callback(i, line, context))
            break;
    }
    return true;
}

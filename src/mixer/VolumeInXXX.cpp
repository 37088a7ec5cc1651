#include "mixer/VolumeInXXX.h"

#include <vector>

CVolumeInXXX* g_pActiveVolume = nullptr;

namespace {

// The controls SelectAsRecordingSource switches are the ones whose values are booleans.
// The units are a field, not a set of bits: unsigned units (a volume) share a bit with
// boolean ones and must not be taken for a switch.
constexpr std::uint32_t MIXERCONTROL_CT_UNITS_MASK = 0x00FF0000;

bool IsBooleanControl(std::uint32_t type)
{
    return (type & MIXERCONTROL_CT_UNITS_MASK) == platform::MIXERCONTROL_CT_UNITS_BOOLEAN;
}

// The value that lets a switch's line be heard in the recording: a mute off, any other
// switch (on/off, record enable) on.
std::uint32_t RecordingState(std::uint32_t type)
{
    return type == platform::MIXERCONTROL_CONTROLTYPE_MUTE ? 0 : 1;
}

} // namespace

CVolumeInXXX::CVolumeInXXX(std::uint32_t waveInDevice, std::uint32_t sourceIndex) : m_uWaveInDevice(waveInDevice)
{
    m_bMixerOpen = OpenMixer();
    if (!m_bMixerOpen)
        return;
    g_pActiveVolume = this;
    if (!FindSourceLine(sourceIndex)) {
        m_hMixer.reset();
        m_hNotifyWnd.reset();
        m_bLineFound = false;
        m_bMixerOpen = false;
        g_pActiveVolume = nullptr;
    }
}

CVolumeInXXX::~CVolumeInXXX()
{
    if (m_bMixerOpen) {
        // The mixer first: once it is closed nothing more is posted to the window.
        m_hMixer.reset();
        m_hNotifyWnd.reset();
        m_bLineFound = false;
        m_bMixerOpen = false;
    }
    g_pActiveVolume = nullptr;
}

bool CVolumeInXXX::OpenMixer()
{
    platform::IMixerBackend& backend = platform::CurrentMixerBackend();
    if (backend.DeviceCount() == 0)
        return false;
    if (backend.GetMixerId(m_uWaveInDevice, m_uMixerId) != MMSYSERR_NOERROR)
        return false;
    m_hNotifyWnd = std::make_unique<VolumeNotifyWindow>();
    if (backend.Open(m_uMixerId, m_hNotifyWnd.get(), m_hMixer) != MMSYSERR_NOERROR) {
        m_hNotifyWnd.reset();
        return false;
    }
    return true;
}

bool CVolumeInXXX::FindSourceLine(std::uint32_t sourceIndex)
{
    if (!m_bMixerOpen)
        return false;
    platform::MIXERLINE destination;
    if (m_hMixer->GetDestinationByComponentType(platform::MIXERLINE_COMPONENTTYPE_DST_WAVEIN, destination) !=
        MMSYSERR_NOERROR)
        return false;
    if (sourceIndex >= destination.cConnections)
        return false;
    platform::MIXERLINE line;
    if (m_hMixer->GetSourceLine(destination.dwDestination, sourceIndex, line) != MMSYSERR_NOERROR)
        return false;

    platform::MIXERCONTROL control;
    if (m_hMixer->GetLineControlByType(line.dwLineID, platform::MIXERCONTROL_CONTROLTYPE_VOLUME, control) ==
        MMSYSERR_NOERROR) {
        if (!(control.fdwControl & platform::MIXERCONTROL_CONTROLF_DISABLED))
            m_bVolumeAvailable = true;
    } else {
        control = platform::MIXERCONTROL{};
    }
    m_nSourceIndex = sourceIndex;
    m_nChannels = line.cChannels;
    m_dwLineId = line.dwLineID;
    m_dwVolumeControlId = control.dwControlID;
    m_nMinimum = control.dwMinimum;
    m_nMaximum = control.dwMaximum;
    m_nSteps = control.cSteps;
    m_bLineFound = true;
    return true;
}

bool CVolumeInXXX::HasVolumeControl()
{
    return m_bVolumeAvailable;
}

void CVolumeInXXX::SelectAsRecordingSource()
{
    if (!m_bLineFound || !static_cast<IVolume*>(this)->HasVolumeControl())
        return;
    platform::MIXERLINE destination;
    if (m_hMixer->GetDestinationByComponentType(platform::MIXERLINE_COMPONENTTYPE_DST_WAVEIN, destination) !=
        MMSYSERR_NOERROR)
        return;
    std::vector<platform::MIXERCONTROL> controls;
    if (m_hMixer->GetLineControls(destination.dwLineID, controls) != MMSYSERR_NOERROR)
        return;

    for (const platform::MIXERCONTROL& c : controls) {
        if (!IsBooleanControl(c.dwControlType))
            continue;
        const std::uint32_t channels =
            (c.fdwControl & platform::MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : destination.cChannels;
        std::uint32_t items = 0;
        std::vector<std::uint32_t> values;
        if (c.fdwControl & platform::MIXERCONTROL_CONTROLF_MULTIPLE) {
            // Item k of a list is taken to be source k: no names are compared.
            items = c.cMultipleItems;
            values.assign(platform::ControlValueCount(channels, items), 0);
            if (m_nSourceIndex < items)
                for (std::uint32_t ch = 0; ch < channels; ++ch)
                    values[ch * items + m_nSourceIndex] = 1;
        } else {
            values.assign(channels, RecordingState(c.dwControlType));
        }
        // A switch the device refuses leaves the others to be set all the same.
        m_hMixer->SetControlDetails(c.dwControlID, channels, items, values);
    }
}

void CVolumeInXXX::NoOperation() {}

std::int32_t CVolumeInXXX::GetStepCount()
{
    return m_bVolumeAvailable ? static_cast<std::int32_t>(m_nSteps) : -1;
}

std::int32_t CVolumeInXXX::GetMinimum()
{
    return m_bVolumeAvailable ? static_cast<std::int32_t>(m_nMinimum) : -1;
}

std::int32_t CVolumeInXXX::GetMaximum()
{
    return m_bVolumeAvailable ? static_cast<std::int32_t>(m_nMaximum) : -1;
}

std::int32_t CVolumeInXXX::GetVolume()
{
    if (!m_bVolumeAvailable)
        return -1;
    std::vector<std::uint32_t> values;
    if (m_hMixer->GetControlDetails(m_dwVolumeControlId, m_nChannels, 0, values) != MMSYSERR_NOERROR ||
        values.empty())
        return -1;
    return static_cast<std::int32_t>(values[0]);
}

void CVolumeInXXX::SetVolume(std::uint32_t value)
{
    // Out of bounds, the all-ones "use the maximum" marker included, changes nothing.
    if (!m_bVolumeAvailable || value < m_nMinimum || value > m_nMaximum)
        return;
    m_hMixer->SetControlDetails(m_dwVolumeControlId, m_nChannels, 0, std::vector<std::uint32_t>(m_nChannels, value));
}

void CVolumeInXXX::SetChangeCallback(VolumeChangeProc proc, std::uint32_t userValue)
{
    m_pfnOnChange = proc;
    m_dwCallbackData = userValue;
}

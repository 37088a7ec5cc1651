#pragma once
// The mixer contract every mixer backend meets (PulseAudio for real use, the in-memory
// mixer for deterministic tests). One folder per backend; the input-volume logic sees
// only this.
//
// Shape. Mixer device i belongs to capture device i, numbered as the audio backend numbers
// them. A mixer has one recording destination (component type
// MIXERLINE_COMPONENTTYPE_DST_WAVEIN) with cConnections source lines. Lines carry
// controls; a control has values for each channel (one channel when it is UNIFORM) and,
// when it is MULTIPLE, for each of its cMultipleItems items.
//
// Values. A value array holds channels × items values (items counted as 1 for a control
// that is not MULTIPLE), channel by channel: value [c × items + i] is item i of channel c.
// The channel count given with it is 1 (the same value for every channel) or the
// channel count of the control's line.
//
// Threading. Every method is called from the UI thread, and none blocks longer than the
// backend's reply timeout (one second at most). A backend may watch the server on a
// thread of its own and reports changes only by posting MixerEvents to the target given
// at Open; after a mixer is destroyed nothing more is posted for it.
//
// What the caller has already checked: nothing. A backend validates its arguments and
// answers a code; it never shows a message and never throws. Range checks of values are
// the caller's: a backend stores what it is given when its device can hold it.

#include "platform/mixer/MixerTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

class QObject;

namespace platform {

// An open mixer; destroying it closes it.
class IMixer {
public:
    virtual ~IMixer() = default;

    // The destination line with this component type.
    virtual MMRESULT GetDestinationByComponentType(std::uint32_t componentType, MIXERLINE& line) = 0;
    // Source line `source` of destination `destination`.
    virtual MMRESULT GetSourceLine(std::uint32_t destination, std::uint32_t source, MIXERLINE& line) = 0;
    // The first control of this type on the line, from GetLineControls.
    MMRESULT GetLineControlByType(std::uint32_t lineId, std::uint32_t controlType, MIXERCONTROL& control);
    // All of the line's controls, cControls of them.
    virtual MMRESULT GetLineControls(std::uint32_t lineId, std::vector<MIXERCONTROL>& controls) = 0;
    // Reads channels × items values (see Values above); items is 0 for a control that is
    // not MULTIPLE, else its cMultipleItems.
    virtual MMRESULT GetControlDetails(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items,
                                       std::vector<std::uint32_t>& values) = 0;
    virtual MMRESULT SetControlDetails(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items,
                                       const std::vector<std::uint32_t>& values) = 0;
};

class IMixerBackend {
public:
    virtual ~IMixerBackend() = default;

    virtual unsigned DeviceCount() = 0;
    // The mixer that belongs to capture device waveInDevice (DEFAULT_WAVEIN: the default
    // capture device). Fails when that device cannot be reached.
    virtual MMRESULT GetMixerId(std::uint32_t waveInDevice, std::uint32_t& mixerId) = 0;
    // Opens a mixer. With a target, control changes (ours and everyone else's) are posted
    // to it as MixerEvents with MM_MIXM_CONTROL_CHANGE; the target must outlive the mixer.
    virtual MMRESULT Open(std::uint32_t mixerId, QObject* target, std::unique_ptr<IMixer>& mixer) = 0;
};

// The process's mixer backend: the in-memory one with devices like the virtual audio
// backend's when TESSAVOX_AUDIO=virtual, else PulseAudio.
IMixerBackend& CurrentMixerBackend();
// Tests choose a backend; nullptr goes back to the default. The caller keeps ownership.
void UseMixerBackend(IMixerBackend* backend);

// The number of values a control's value array holds.
inline std::size_t ControlValueCount(std::uint32_t channels, std::uint32_t items)
{
    return static_cast<std::size_t>(channels) * (items ? items : 1);
}

} // namespace platform

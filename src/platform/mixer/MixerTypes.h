#pragma once
// The records and codes that cross between the input-volume logic and a mixer backend.
// They keep the values of the classic mixer API (line component types, control types and
// flags, notification codes), so the logic that finds the microphone and drives the
// recording switches reads the same as on the system the recorder was first written for.

#include "platform/audio/WaveTypes.h"

#include <QEvent>
#include <QString>

#include <cstdint>

namespace platform {

// The wave-in device number that stands for the default capture device (the wave mapper).
inline constexpr std::uint32_t DEFAULT_WAVEIN = 0xFFFFFFFF;

// Result codes beyond the common MMSYSERR_ ones.
inline constexpr MMRESULT MIXERR_INVALLINE = 1024;
inline constexpr MMRESULT MIXERR_INVALCONTROL = 1025;
inline constexpr MMRESULT MIXERR_INVALVALUE = 1026;

// Line component types.
inline constexpr std::uint32_t MIXERLINE_COMPONENTTYPE_DST_WAVEIN = 7;
inline constexpr std::uint32_t MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED = 0x1000;
inline constexpr std::uint32_t MIXERLINE_COMPONENTTYPE_SRC_LINE = 0x1002;
inline constexpr std::uint32_t MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE = 0x1003;

// Control types. Every type whose values are booleans carries MIXERCONTROL_CT_UNITS_BOOLEAN.
inline constexpr std::uint32_t MIXERCONTROL_CT_UNITS_BOOLEAN = 0x00010000;
inline constexpr std::uint32_t MIXERCONTROL_CONTROLTYPE_BOOLEAN = 0x20010000;
inline constexpr std::uint32_t MIXERCONTROL_CONTROLTYPE_ONOFF = 0x20010001;
inline constexpr std::uint32_t MIXERCONTROL_CONTROLTYPE_MUTE = 0x20010002;
inline constexpr std::uint32_t MIXERCONTROL_CONTROLTYPE_SINGLESELECT = 0x70010000;
inline constexpr std::uint32_t MIXERCONTROL_CONTROLTYPE_MUX = 0x70010001;
inline constexpr std::uint32_t MIXERCONTROL_CONTROLTYPE_MULTIPLESELECT = 0x71010000;
inline constexpr std::uint32_t MIXERCONTROL_CONTROLTYPE_MIXER = 0x71010001;
inline constexpr std::uint32_t MIXERCONTROL_CONTROLTYPE_VOLUME = 0x50030001;

// Control flags.
inline constexpr std::uint32_t MIXERCONTROL_CONTROLF_UNIFORM = 0x00000001;
inline constexpr std::uint32_t MIXERCONTROL_CONTROLF_MULTIPLE = 0x00000002;
inline constexpr std::uint32_t MIXERCONTROL_CONTROLF_DISABLED = 0x80000000;

// Notification codes, posted in a MixerEvent to the object a mixer was opened for.
inline constexpr std::uint32_t MM_MIXM_LINE_CHANGE = 0x3D0;
inline constexpr std::uint32_t MM_MIXM_CONTROL_CHANGE = 0x3D1;

struct MIXERLINE {
    std::uint32_t dwDestination = 0; // index of the destination the line belongs to
    std::uint32_t dwSource = 0;      // index among the destination's sources (sources only)
    std::uint32_t dwLineID = 0;
    std::uint32_t dwComponentType = 0;
    std::uint32_t cChannels = 0;
    std::uint32_t cConnections = 0; // number of sources (destinations only)
    std::uint32_t cControls = 0;
    QString szShortName;
    QString szName;
};

struct MIXERCONTROL {
    std::uint32_t dwControlID = 0;
    std::uint32_t dwControlType = 0;
    std::uint32_t fdwControl = 0;     // MIXERCONTROL_CONTROLF_ flags
    std::uint32_t cMultipleItems = 0; // items per channel of a MULTIPLE control, else 0
    QString szShortName;
    QString szName;
    std::uint32_t dwMinimum = 0;
    std::uint32_t dwMaximum = 0;
    std::uint32_t cSteps = 0;
};

// One mixer notification. Mixer() is the number the mixer was opened by; Id() is the
// control identifier (MM_MIXM_CONTROL_CHANGE) or the line identifier (MM_MIXM_LINE_CHANGE).
class MixerEvent : public QEvent {
public:
    static QEvent::Type EventType();

    MixerEvent(std::uint32_t message, std::uint32_t mixerId, std::uint32_t id)
        : QEvent(EventType()), m_nMessage(message), m_nMixerId(mixerId), m_nId(id)
    {
    }

    std::uint32_t Message() const { return m_nMessage; }
    std::uint32_t Mixer() const { return m_nMixerId; }
    std::uint32_t Id() const { return m_nId; }

private:
    std::uint32_t m_nMessage;
    std::uint32_t m_nMixerId;
    std::uint32_t m_nId;
};

} // namespace platform

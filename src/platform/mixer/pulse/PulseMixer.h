#pragma once
// One open mixer over one of the server's sources. The recording destination is the
// source; its source lines are the source's ports (one line named after the source when
// it has none), each with a volume control in the server's units (0 … PA_VOLUME_NORM).
// The destination carries a multiple-item list whose item k is port k, and the source's
// mute.

#include "platform/mixer/MixerBackend.h"
#include "platform/mixer/pulse/PulseMixerConnection.h"
#include "platform/mixer/pulse/PulsePortVolumes.h"
#include "platform/mixer/pulse/PulseSource.h"

#include <memory>

namespace platform {

class PulseMixer final : public IMixer, private PulseSourceWatcher {
public:
    static constexpr std::uint32_t DESTINATION_LINE_ID = 0xFFFF0000;
    static constexpr std::uint32_t MUX_CONTROL_ID = 0xFFFF0001;
    static constexpr std::uint32_t MUTE_CONTROL_ID = 0xFFFF0002;
    // The volume control of line k is VOLUME_CONTROL_BASE + k; the line's id is k.
    static constexpr std::uint32_t VOLUME_CONTROL_BASE = 0x10000;

    // Called with the connection locked. With a target, changes of the source are posted
    // to it until the mixer is destroyed.
    PulseMixer(std::shared_ptr<PulseMixerConnection> connection, std::shared_ptr<PulsePortVolumes> portVolumes,
               PulseSource source, std::uint32_t mixerId, QObject* target);
    ~PulseMixer() override;

    MMRESULT GetDestinationByComponentType(std::uint32_t componentType, MIXERLINE& line) override;
    MMRESULT GetSourceLine(std::uint32_t destination, std::uint32_t source, MIXERLINE& line) override;
    MMRESULT GetLineControls(std::uint32_t lineId, std::vector<MIXERCONTROL>& controls) override;
    MMRESULT GetControlDetails(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items,
                               std::vector<std::uint32_t>& values) override;
    MMRESULT SetControlDetails(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items,
                               const std::vector<std::uint32_t>& values) override;

private:
    std::uint32_t WatchedSource() const override { return m_source.index; }
    void SourceChanged(const PulseSource& now) override;

    std::uint32_t LineCount() const;
    std::uint32_t Channels() const { return m_source.volume.channels; }
    std::vector<MIXERCONTROL> Controls(std::uint32_t lineId) const;
    // The volume line `line` shows: the server's while its port is the active one.
    pa_cvolume LineVolume(std::uint32_t line, const PulseSource& now) const;
    bool IsLive(std::uint32_t line, const PulseSource& now) const;
    MMRESULT SelectPort(pa_context* context, std::uint32_t port, PulseMixerConnection::Clock::time_point deadline);
    // What reading and setting a control both check: the channel count, the control, and
    // the items (one per port for the port list, none otherwise). mux: it is the port list.
    MMRESULT CheckRequest(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items, bool& mux) const;

    std::shared_ptr<PulseMixerConnection> m_pConnection;
    std::shared_ptr<PulsePortVolumes> m_pPortVolumes;
    std::uint64_t m_nGeneration;
    PulseSource m_source; // as opened: the shape of the mixer
    PulseSource m_seen;   // as last told, to post only what changed (loop-locked)
    std::uint32_t m_nMixerId;
    QObject* m_pTarget;
};

} // namespace platform

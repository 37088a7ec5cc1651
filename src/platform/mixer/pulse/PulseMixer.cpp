#include "platform/mixer/pulse/PulseMixer.h"

#include <QCoreApplication>

#include <algorithm>

namespace platform {

namespace {

bool IsVolumeControl(std::uint32_t id, std::uint32_t lines)
{
    return id >= PulseMixer::VOLUME_CONTROL_BASE && id - PulseMixer::VOLUME_CONTROL_BASE < lines;
}

} // namespace

PulseMixer::PulseMixer(std::shared_ptr<PulseMixerConnection> connection, std::shared_ptr<PulsePortVolumes> portVolumes,
                       PulseSource source, std::uint32_t mixerId, QObject* target)
    : m_pConnection(std::move(connection)), m_pPortVolumes(std::move(portVolumes)),
      m_nGeneration(m_pConnection->Generation()), m_source(std::move(source)), m_seen(m_source),
      m_nMixerId(mixerId), m_pTarget(target)
{
    if (m_pTarget)
        m_pConnection->AddWatcher(this);
}

PulseMixer::~PulseMixer()
{
    if (!m_pTarget)
        return;
    PulseMixerConnection::Lock lock(*m_pConnection);
    m_pConnection->RemoveWatcher(this);
}

std::uint32_t PulseMixer::LineCount() const
{
    return m_source.ports.empty() ? 1 : static_cast<std::uint32_t>(m_source.ports.size());
}

MMRESULT PulseMixer::GetDestinationByComponentType(std::uint32_t componentType, MIXERLINE& line)
{
    PulseMixerConnection::Lock lock(*m_pConnection);
    if (!m_pConnection->Ready(m_nGeneration))
        return MMSYSERR_NODRIVER;
    if (componentType != MIXERLINE_COMPONENTTYPE_DST_WAVEIN)
        return MIXERR_INVALLINE;
    line = MIXERLINE{};
    line.dwLineID = DESTINATION_LINE_ID;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
    line.cChannels = Channels();
    line.cConnections = LineCount();
    line.cControls = static_cast<std::uint32_t>(Controls(DESTINATION_LINE_ID).size());
    line.szShortName = m_source.description;
    line.szName = m_source.description;
    return MMSYSERR_NOERROR;
}

MMRESULT PulseMixer::GetSourceLine(std::uint32_t destination, std::uint32_t source, MIXERLINE& line)
{
    PulseMixerConnection::Lock lock(*m_pConnection);
    if (!m_pConnection->Ready(m_nGeneration))
        return MMSYSERR_NODRIVER;
    if (destination != 0 || source >= LineCount())
        return MIXERR_INVALLINE;
    line = MIXERLINE{};
    line.dwSource = source;
    line.dwLineID = source;
    line.cChannels = Channels();
    line.cControls = 1;
    if (m_source.ports.empty()) {
        line.dwComponentType = MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED;
        line.szShortName = m_source.description;
    } else {
        line.dwComponentType = m_source.ports[source].componentType;
        line.szShortName = m_source.ports[source].description;
    }
    line.szName = line.szShortName;
    return MMSYSERR_NOERROR;
}

std::vector<MIXERCONTROL> PulseMixer::Controls(std::uint32_t lineId) const
{
    std::vector<MIXERCONTROL> controls;
    if (lineId == DESTINATION_LINE_ID) {
        if (!m_source.ports.empty()) {
            MIXERCONTROL mux;
            mux.dwControlID = MUX_CONTROL_ID;
            mux.dwControlType = MIXERCONTROL_CONTROLTYPE_MUX;
            mux.fdwControl = MIXERCONTROL_CONTROLF_UNIFORM | MIXERCONTROL_CONTROLF_MULTIPLE;
            mux.cMultipleItems = static_cast<std::uint32_t>(m_source.ports.size());
            mux.szShortName = mux.szName = QStringLiteral("Input");
            mux.dwMaximum = 1;
            controls.push_back(mux);
        }
        MIXERCONTROL mute;
        mute.dwControlID = MUTE_CONTROL_ID;
        mute.dwControlType = MIXERCONTROL_CONTROLTYPE_MUTE;
        mute.fdwControl = MIXERCONTROL_CONTROLF_UNIFORM;
        mute.szShortName = mute.szName = QStringLiteral("Mute");
        mute.dwMaximum = 1;
        controls.push_back(mute);
    } else if (lineId < LineCount()) {
        MIXERCONTROL volume;
        volume.dwControlID = VOLUME_CONTROL_BASE + lineId;
        volume.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
        volume.szShortName = volume.szName = QStringLiteral("Volume");
        volume.dwMinimum = PA_VOLUME_MUTED;
        volume.dwMaximum = PA_VOLUME_NORM;
        volume.cSteps = m_source.volumeSteps;
        controls.push_back(volume);
    }
    return controls;
}

MMRESULT PulseMixer::GetLineControls(std::uint32_t lineId, std::vector<MIXERCONTROL>& controls)
{
    PulseMixerConnection::Lock lock(*m_pConnection);
    if (!m_pConnection->Ready(m_nGeneration))
        return MMSYSERR_NODRIVER;
    if (lineId != DESTINATION_LINE_ID && lineId >= LineCount())
        return MIXERR_INVALLINE;
    controls = Controls(lineId);
    return MMSYSERR_NOERROR;
}

bool PulseMixer::IsLive(std::uint32_t line, const PulseSource& now) const
{
    return now.ports.empty() || static_cast<int>(line) == now.activePort;
}

pa_cvolume PulseMixer::LineVolume(std::uint32_t line, const PulseSource& now) const
{
    if (IsLive(line, now) || line >= now.ports.size())
        return now.volume;
    return m_pPortVolumes->Find(now.name, now.ports[line].name).value_or(now.volume);
}

MMRESULT PulseMixer::GetControlDetails(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items,
                                       std::vector<std::uint32_t>& values)
{
    bool mux = false;
    if (const MMRESULT result = CheckRequest(controlId, channels, items, mux); result != MMSYSERR_NOERROR)
        return result;

    PulseMixerConnection::Lock lock(*m_pConnection);
    pa_context* context = m_pConnection->Ready(m_nGeneration);
    if (!context)
        return MMSYSERR_NODRIVER;
    const std::optional<PulseSource> now =
        m_pConnection->Source(context, m_source.index, PulseMixerConnection::Deadline());
    if (!now)
        return MMSYSERR_NODRIVER;

    values.assign(ControlValueCount(channels, items), 0);
    const std::uint32_t perChannel = items ? items : 1;
    for (std::uint32_t ch = 0; ch < channels; ++ch) {
        for (std::uint32_t i = 0; i < perChannel; ++i) {
            std::uint32_t& v = values[ch * perChannel + i];
            if (mux) {
                v = static_cast<int>(i) == now->activePort ? 1 : 0;
            } else if (controlId == MUTE_CONTROL_ID) {
                v = now->mute ? 1 : 0;
            } else {
                const pa_cvolume volume = LineVolume(controlId - VOLUME_CONTROL_BASE, *now);
                v = volume.values[ch < volume.channels ? ch : 0];
            }
        }
    }
    return MMSYSERR_NOERROR;
}

MMRESULT PulseMixer::CheckRequest(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items,
                                  bool& mux) const
{
    if (channels != 1 && channels != Channels())
        return MMSYSERR_INVALPARAM;
    mux = controlId == MUX_CONTROL_ID && !m_source.ports.empty();
    if (!mux && controlId != MUTE_CONTROL_ID && !IsVolumeControl(controlId, LineCount()))
        return MIXERR_INVALCONTROL;
    if (items != (mux ? m_source.ports.size() : 0))
        return MMSYSERR_INVALPARAM;
    return MMSYSERR_NOERROR;
}

MMRESULT PulseMixer::SelectPort(pa_context* context, std::uint32_t port,
                                PulseMixerConnection::Clock::time_point deadline)
{
    const std::optional<PulseSource> now = m_pConnection->Source(context, m_source.index, deadline);
    if (!now)
        return MMSYSERR_NODRIVER;
    if (port >= now->ports.size())
        return MIXERR_INVALVALUE;
    if (static_cast<int>(port) == now->activePort)
        return MMSYSERR_NOERROR;
    // The port we leave keeps the volume it had, to be shown and restored later.
    if (now->activePort >= 0)
        m_pPortVolumes->Store(now->name, now->ports[static_cast<std::size_t>(now->activePort)].name, now->volume);
    if (!m_pConnection->SetPort(context, now->index, now->ports[port].name, deadline))
        return MMSYSERR_ERROR;
    if (const auto kept = m_pPortVolumes->Find(now->name, now->ports[port].name))
        if (!m_pConnection->SetVolume(context, now->index, *kept, deadline))
            return MMSYSERR_ERROR;
    return MMSYSERR_NOERROR;
}

MMRESULT PulseMixer::SetControlDetails(std::uint32_t controlId, std::uint32_t channels, std::uint32_t items,
                                       const std::vector<std::uint32_t>& values)
{
    bool mux = false;
    if (const MMRESULT result = CheckRequest(controlId, channels, items, mux); result != MMSYSERR_NOERROR)
        return result;
    if (values.size() != ControlValueCount(channels, items))
        return MMSYSERR_INVALPARAM;

    PulseMixerConnection::Lock lock(*m_pConnection);
    pa_context* context = m_pConnection->Ready(m_nGeneration);
    if (!context)
        return MMSYSERR_NODRIVER;
    const auto deadline = PulseMixerConnection::Deadline();

    if (mux) {
        // A single select: the first item switched on (in the first channel) wins.
        const auto on = std::find_if(values.begin(), values.begin() + items, [](std::uint32_t v) { return v != 0; });
        if (on == values.begin() + items)
            return MIXERR_INVALVALUE;
        return SelectPort(context, static_cast<std::uint32_t>(on - values.begin()), deadline);
    }
    if (controlId == MUTE_CONTROL_ID)
        return m_pConnection->SetMute(context, m_source.index, values[0] != 0, deadline) ? MMSYSERR_NOERROR
                                                                                       : MMSYSERR_ERROR;

    pa_cvolume volume{};
    volume.channels = static_cast<std::uint8_t>(Channels());
    for (std::uint32_t ch = 0; ch < Channels(); ++ch) {
        const std::uint32_t v = values[std::min(ch, channels - 1)];
        if (v > PA_VOLUME_MAX)
            return MIXERR_INVALVALUE;
        volume.values[ch] = v;
    }
    const std::uint32_t line = controlId - VOLUME_CONTROL_BASE;
    const std::optional<PulseSource> now = m_pConnection->Source(context, m_source.index, deadline);
    if (!now)
        return MMSYSERR_NODRIVER;
    if (line < now->ports.size())
        m_pPortVolumes->Store(now->name, now->ports[line].name, volume);
    if (!IsLive(line, *now))
        return MMSYSERR_NOERROR;
    return m_pConnection->SetVolume(context, now->index, volume, deadline) ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}

void PulseMixer::SourceChanged(const PulseSource& now)
{
    std::vector<std::uint32_t> changed;
    const bool hasPorts = !now.ports.empty();
    if (m_seen.activePort != now.activePort) {
        if (hasPorts)
            changed.push_back(MUX_CONTROL_ID);
        // Both lines now read differently: one turns to the server's volume, one leaves it.
        for (const int line : {m_seen.activePort, now.activePort})
            if (line >= 0 && static_cast<std::uint32_t>(line) < LineCount())
                changed.push_back(VOLUME_CONTROL_BASE + static_cast<std::uint32_t>(line));
    } else if (!pa_cvolume_equal(&m_seen.volume, &now.volume) && (!hasPorts || now.activePort >= 0)) {
        changed.push_back(VOLUME_CONTROL_BASE + static_cast<std::uint32_t>(hasPorts ? now.activePort : 0));
    }
    if (m_seen.mute != now.mute)
        changed.push_back(MUTE_CONTROL_ID);
    m_seen = now;
    for (const std::uint32_t id : changed)
        QCoreApplication::postEvent(m_pTarget, new MixerEvent(MM_MIXM_CONTROL_CHANGE, m_nMixerId, id));
}

} // namespace platform

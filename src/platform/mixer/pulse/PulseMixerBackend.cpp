#include "platform/mixer/pulse/PulseMixerBackend.h"

#include "platform/mixer/pulse/PulseMixer.h"
#include "platform/mixer/pulse/PulseMixerConnection.h"
#include "platform/mixer/pulse/PulsePortVolumes.h"

#include <algorithm>

namespace platform {

PulseMixerBackend::PulseMixerBackend(QByteArray server)
    : m_pConnection(std::make_shared<PulseMixerConnection>(std::move(server))),
      m_pPortVolumes(std::make_shared<PulsePortVolumes>())
{
}

PulseMixerBackend::~PulseMixerBackend() = default;

unsigned PulseMixerBackend::DeviceCount()
{
    PulseMixerConnection::Lock lock(*m_pConnection);
    const auto deadline = PulseMixerConnection::Deadline();
    pa_context* context = m_pConnection->Connect(deadline);
    if (!context)
        return 0;
    const auto sources = m_pConnection->Sources(context, deadline);
    return sources ? static_cast<unsigned>(sources->size()) : 0;
}

MMRESULT PulseMixerBackend::GetMixerId(std::uint32_t waveInDevice, std::uint32_t& mixerId)
{
    PulseMixerConnection::Lock lock(*m_pConnection);
    const auto deadline = PulseMixerConnection::Deadline();
    pa_context* context = m_pConnection->Connect(deadline);
    if (!context)
        return MMSYSERR_NODRIVER;
    const auto sources = m_pConnection->Sources(context, deadline);
    if (!sources)
        return MMSYSERR_NODRIVER;
    if (waveInDevice != DEFAULT_WAVEIN) {
        if (waveInDevice >= sources->size())
            return MMSYSERR_BADDEVICEID;
        mixerId = waveInDevice;
        return MMSYSERR_NOERROR;
    }
    const auto name = m_pConnection->DefaultSourceName(context, deadline);
    if (!name)
        return MMSYSERR_NODRIVER;
    const auto it = std::find_if(sources->begin(), sources->end(),
                                 [&](const PulseSource& s) { return s.name == *name; });
    if (it == sources->end())
        return MMSYSERR_BADDEVICEID;
    mixerId = static_cast<std::uint32_t>(it - sources->begin());
    return MMSYSERR_NOERROR;
}

MMRESULT PulseMixerBackend::Open(std::uint32_t mixerId, QObject* target, std::unique_ptr<IMixer>& mixer)
{
    PulseMixerConnection::Lock lock(*m_pConnection);
    const auto deadline = PulseMixerConnection::Deadline();
    pa_context* context = m_pConnection->Connect(deadline);
    if (!context)
        return MMSYSERR_NODRIVER;
    auto sources = m_pConnection->Sources(context, deadline);
    if (!sources)
        return MMSYSERR_NODRIVER;
    if (mixerId >= sources->size())
        return MMSYSERR_BADDEVICEID;
    mixer = std::make_unique<PulseMixer>(m_pConnection, m_pPortVolumes, std::move((*sources)[mixerId]), mixerId,
                                         target);
    return MMSYSERR_NOERROR;
}

} // namespace platform

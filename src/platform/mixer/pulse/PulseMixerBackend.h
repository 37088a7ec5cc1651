#pragma once
// The mixer over the PulseAudio server: mixer i is source i in the server's list,
// monitors included, as the audio backend numbers capture devices.

#include "platform/mixer/MixerBackend.h"

#include <QByteArray>

#include <memory>

namespace platform {

class PulseMixerConnection;
class PulsePortVolumes;

class PulseMixerBackend : public IMixerBackend {
public:
    // server: where to connect; empty for the client's default (PULSE_SERVER, ...).
    explicit PulseMixerBackend(QByteArray server = {});
    ~PulseMixerBackend() override;

    unsigned DeviceCount() override;
    MMRESULT GetMixerId(std::uint32_t waveInDevice, std::uint32_t& mixerId) override;
    MMRESULT Open(std::uint32_t mixerId, QObject* target, std::unique_ptr<IMixer>& mixer) override;

private:
    // Shared with every open mixer, so a mixer may outlive the backend.
    std::shared_ptr<PulseMixerConnection> m_pConnection;
    std::shared_ptr<PulsePortVolumes> m_pPortVolumes;
};

} // namespace platform

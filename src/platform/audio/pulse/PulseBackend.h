#pragma once
// The PulseAudio backend: devices are the server's sources (monitors included) and sinks,
// reached through one threaded main loop. The loop's thread only moves bytes between the
// server and queued buffers and posts notifications.

#include "platform/audio/AudioBackend.h"

#include <memory>

namespace platform {

class PulseBackend : public IAudioBackend {
public:
    PulseBackend();
    ~PulseBackend() override;

    std::vector<DeviceInfo> Devices(Direction dir) override;
    MMRESULT Open(Direction dir, int device, const WAVEFORMATEX& format, QObject* target,
                  std::unique_ptr<IWaveStream>& stream) override;
    QString ErrorText(MMRESULT code) override;
    void WatchCaptureDevices(QObject* target) override;
    void UnwatchCaptureDevices(QObject* target) override;

private:
    struct Impl;
    std::unique_ptr<Impl> m_pImpl;
};

} // namespace platform

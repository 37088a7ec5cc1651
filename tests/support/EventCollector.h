#pragma once
// Stands in for the engine as the target of a wave stream: keeps every WaveEvent it is
// given, with the thread it arrived on, so tests can check what a backend posted and in
// which order. As a watcher of a backend's capture devices it counts the changes told.

#include "platform/audio/AudioBackend.h"

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <vector>

class QThread;

namespace tests {

struct CollectedEvent {
    std::uint32_t message = 0;
    std::uint64_t streamId = 0;
    WAVEHDR* header = nullptr;
    MMRESULT error = MMSYSERR_NOERROR;
    QThread* thread = nullptr;
};

class EventCollector : public QObject {
public:
    using QObject::QObject;

    const std::vector<CollectedEvent>& Events() const { return m_events; }
    std::vector<std::uint32_t> Messages() const;
    std::size_t Count(std::uint32_t message) const;
    // Headers of the events carrying `message`, in arrival order.
    std::vector<WAVEHDR*> Headers(std::uint32_t message) const;
    void Clear() { m_events.clear(); }
    std::size_t DeviceListChanges() const { return m_nDeviceListChanges; }

    // Delivers the events already posted to this object, without running anything else.
    void DeliverPosted();
    // Runs the event loop until `count` events of `message` have arrived; false on timeout.
    bool WaitFor(std::uint32_t message, std::size_t count, int timeoutMs = 5000);

protected:
    bool event(QEvent* e) override;

private:
    std::vector<CollectedEvent> m_events;
    std::size_t m_nDeviceListChanges = 0;
};

// Watches a backend's capture devices for one scope, so a failed assertion cannot leave a
// collector that is gone still watched.
class ScopedDeviceWatch {
public:
    ScopedDeviceWatch(platform::IAudioBackend& backend, QObject* target) : m_backend(backend), m_pTarget(target)
    {
        m_backend.WatchCaptureDevices(m_pTarget);
    }
    ~ScopedDeviceWatch() { m_backend.UnwatchCaptureDevices(m_pTarget); }
    ScopedDeviceWatch(const ScopedDeviceWatch&) = delete;
    ScopedDeviceWatch& operator=(const ScopedDeviceWatch&) = delete;

private:
    platform::IAudioBackend& m_backend;
    QObject* m_pTarget;
};

} // namespace tests

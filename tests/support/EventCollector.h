#pragma once
// Stands in for the engine as the target of a wave stream: keeps every WaveEvent it is
// given, with the thread it arrived on, so tests can check what a backend posted and in
// which order.

#include "platform/audio/WaveTypes.h"

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

    // Delivers the events already posted to this object, without running anything else.
    void DeliverPosted();
    // Runs the event loop until `count` events of `message` have arrived; false on timeout.
    bool WaitFor(std::uint32_t message, std::size_t count, int timeoutMs = 5000);

protected:
    bool event(QEvent* e) override;

private:
    std::vector<CollectedEvent> m_events;
};

} // namespace tests

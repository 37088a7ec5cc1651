#pragma once
// Receives the notifications of audio streams, as the engine does, and keeps what each one
// said at the moment it was handled, with the thread that handled it.

#include "platform/audio/WaveTypes.h"

#include <QObject>

#include <cstdint>
#include <vector>

namespace testsupport {

struct LoggedWaveEvent {
    std::uint32_t message = 0;
    std::uint64_t streamId = 0;
    WAVEHDR* header = nullptr;
    MMRESULT error = 0;
    std::uint32_t bytesRecorded = 0; // of the header, when handled
    std::uint32_t flags = 0;         // of the header, when handled
    bool onUiThread = false;
};

class WaveEventLog : public QObject {
public:
    const std::vector<LoggedWaveEvent>& Events() const { return m_events; }
    int Count(std::uint32_t message) const;
    // The headers of the events with this message, in the order they arrived.
    std::vector<WAVEHDR*> Headers(std::uint32_t message) const;
    // The messages in the order they arrived.
    std::vector<std::uint32_t> Messages() const;
    bool AllOnUiThread() const;

protected:
    bool event(QEvent* event) override;

private:
    std::vector<LoggedWaveEvent> m_events;
};

} // namespace testsupport

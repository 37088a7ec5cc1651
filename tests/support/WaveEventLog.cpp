#include "support/WaveEventLog.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

namespace testsupport {

int WaveEventLog::Count(std::uint32_t message) const
{
    return static_cast<int>(std::count_if(m_events.begin(), m_events.end(),
                                          [message](const LoggedWaveEvent& e) { return e.message == message; }));
}

std::vector<WAVEHDR*> WaveEventLog::Headers(std::uint32_t message) const
{
    std::vector<WAVEHDR*> headers;
    for (const LoggedWaveEvent& e : m_events)
        if (e.message == message)
            headers.push_back(e.header);
    return headers;
}

std::vector<std::uint32_t> WaveEventLog::Messages() const
{
    std::vector<std::uint32_t> messages;
    for (const LoggedWaveEvent& e : m_events)
        messages.push_back(e.message);
    return messages;
}

bool WaveEventLog::AllOnUiThread() const
{
    return std::all_of(m_events.begin(), m_events.end(), [](const LoggedWaveEvent& e) { return e.onUiThread; });
}

bool WaveEventLog::event(QEvent* event)
{
    if (event->type() != WaveEvent::EventType())
        return QObject::event(event);
    const auto* wave = static_cast<const WaveEvent*>(event);
    LoggedWaveEvent logged;
    logged.message = wave->Message();
    logged.streamId = wave->StreamId();
    logged.header = wave->Header();
    logged.error = wave->Error();
    if (logged.header) {
        logged.bytesRecorded = logged.header->dwBytesRecorded;
        logged.flags = logged.header->dwFlags;
    }
    logged.onUiThread = QThread::currentThread() == QCoreApplication::instance()->thread();
    m_events.push_back(logged);
    return true;
}

} // namespace testsupport

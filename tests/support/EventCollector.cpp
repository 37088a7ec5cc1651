#include "support/EventCollector.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <algorithm>

namespace tests {

std::vector<std::uint32_t> EventCollector::Messages() const
{
    std::vector<std::uint32_t> messages;
    for (const CollectedEvent& e : m_events)
        messages.push_back(e.message);
    return messages;
}

std::size_t EventCollector::Count(std::uint32_t message) const
{
    return static_cast<std::size_t>(
        std::count_if(m_events.begin(), m_events.end(), [message](const CollectedEvent& e) { return e.message == message; }));
}

std::vector<WAVEHDR*> EventCollector::Headers(std::uint32_t message) const
{
    std::vector<WAVEHDR*> headers;
    for (const CollectedEvent& e : m_events)
        if (e.message == message)
            headers.push_back(e.header);
    return headers;
}

void EventCollector::DeliverPosted()
{
    QCoreApplication::sendPostedEvents(this, WaveEvent::EventType());
}

bool EventCollector::WaitFor(std::uint32_t message, std::size_t count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return Count(message) >= count; }, timeoutMs);
}

bool EventCollector::event(QEvent* e)
{
    if (e->type() == platform::DeviceListEvent::EventType()) {
        ++m_nDeviceListChanges;
        return true;
    }
    if (e->type() != WaveEvent::EventType())
        return QObject::event(e);
    const auto* wave = static_cast<const WaveEvent*>(e);
    m_events.push_back({wave->Message(), wave->StreamId(), wave->Header(), wave->Error(), QThread::currentThread()});
    return true;
}

} // namespace tests

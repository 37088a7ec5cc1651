#include "platform/WindowTimers.h"

#include <QTimerEvent>

namespace platform {

void WindowTimers::Set(int id, int milliseconds)
{
    m_timers[id].start(milliseconds, m_pOwner);
}

void WindowTimers::Kill(int id)
{
    const auto it = m_timers.find(id);
    if (it != m_timers.end())
        it->second.stop();
}

bool WindowTimers::IsSet(int id) const
{
    const auto it = m_timers.find(id);
    return it != m_timers.end() && it->second.isActive();
}

int WindowTimers::IdOf(const QTimerEvent* e) const
{
    for (const auto& [id, timer] : m_timers)
        if (timer.isActive() && timer.timerId() == e->timerId())
            return id;
    return 0;
}

} // namespace platform

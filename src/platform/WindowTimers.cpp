#include "platform/WindowTimers.h"

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QTimerEvent>

namespace platform {

namespace {
// Ticks of a manual clock carry the negated id: Qt's own timer ids are positive.
int ManualEventId(int id)
{
    return -id;
}
} // namespace

WindowTimers::~WindowTimers()
{
    for (auto& [id, timer] : m_timers)
        if (timer.pClock)
            timer.pClock->Forget(this);
}

void WindowTimers::Set(int id, int milliseconds)
{
    Kill(id);
    Timer& timer = m_timers[id];
    if (ManualClock* clock = ManualClock::Current()) {
        clock->Start(this, id, milliseconds);
        timer.pClock = clock;
        return;
    }
    // Precise: a coarse tick may come up to 5% early, and drift across the second the
    // schedule looks for, leaving its start a whole tick late.
    timer.real.start(milliseconds, Qt::PreciseTimer, m_pOwner);
}

void WindowTimers::Kill(int id)
{
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return;
    it->second.real.stop();
    if (it->second.pClock)
        it->second.pClock->Stop(this, id);
    it->second.pClock = nullptr;
}

bool WindowTimers::IsSet(int id) const
{
    const auto it = m_timers.find(id);
    return it != m_timers.end() && (it->second.real.isActive() || it->second.pClock);
}

int WindowTimers::IdOf(const QTimerEvent* e) const
{
    for (const auto& [id, timer] : m_timers) {
        if (timer.real.isActive() && timer.real.timerId() == e->timerId())
            return id;
        if (timer.pClock && ManualEventId(id) == e->timerId())
            return id;
    }
    return 0;
}

void WindowTimers::Deliver(int id)
{
    QTimerEvent tick(ManualEventId(id));
    QCoreApplication::sendEvent(m_pOwner, &tick);
}

void WindowTimers::ClockGone(int id)
{
    const auto it = m_timers.find(id);
    if (it != m_timers.end())
        it->second.pClock = nullptr;
}

} // namespace platform

#include "platform/Clock.h"

#include "platform/WindowTimers.h"

#include <QElapsedTimer>

#include <algorithm>
#include <ctime>

namespace platform {

namespace {
ManualClock* g_pManualClock = nullptr;
std::int64_t g_nShift = 0;
} // namespace

std::int64_t CurrentTime()
{
    if (g_pManualClock)
        return g_pManualClock->Now();
    return static_cast<std::int64_t>(std::time(nullptr)) + g_nShift;
}

std::int64_t CurrentTimeMs()
{
    if (g_pManualClock)
        return g_pManualClock->NowMs();
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return (static_cast<std::int64_t>(now.tv_sec) + g_nShift) * 1000 + now.tv_nsec / 1000000;
}

std::int64_t MonotonicMs()
{
    if (g_pManualClock)
        return g_pManualClock->NowMs();
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

ManualClock::ManualClock(std::int64_t now) : m_nNowMs(now * 1000), m_pPrevious(g_pManualClock)
{
    g_pManualClock = this;
}

ManualClock::~ManualClock()
{
    // Timers still running here stop ticking: nothing advances them any more.
    for (const Timer& t : m_timers)
        t.timers->ClockGone(t.id);
    g_pManualClock = m_pPrevious;
}

ManualClock* ManualClock::Current()
{
    return g_pManualClock;
}

void ManualClock::Advance(std::int64_t milliseconds)
{
    const std::int64_t target = m_nNowMs + milliseconds;
    for (;;) {
        // A tick may start and stop timers, this one included: look again after each.
        const auto next = std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) {
            return a.dueMs != b.dueMs ? a.dueMs < b.dueMs : a.order < b.order;
        });
        if (next == m_timers.end() || next->dueMs > target)
            break;
        m_nNowMs = next->dueMs;
        next->dueMs += next->periodMs;
        WindowTimers* const timers = next->timers;
        const int id = next->id;
        timers->Deliver(id);
    }
    m_nNowMs = target;
}

void ManualClock::Jump(std::int64_t seconds)
{
    m_nNowMs += seconds * 1000;
    for (Timer& t : m_timers)
        t.dueMs += seconds * 1000;
}

void ManualClock::Start(WindowTimers* timers, int id, int milliseconds)
{
    Stop(timers, id);
    const std::int64_t period = std::max(milliseconds, 1);
    m_timers.push_back({timers, id, period, m_nNowMs + period, m_nStarted++});
}

void ManualClock::Stop(WindowTimers* timers, int id)
{
    std::erase_if(m_timers, [&](const Timer& t) { return t.timers == timers && t.id == id; });
}

void ManualClock::Forget(const WindowTimers* timers)
{
    std::erase_if(m_timers, [&](const Timer& t) { return t.timers == timers; });
}

ShiftedClock::ShiftedClock()
{
    g_nShift = 0;
}

ShiftedClock::~ShiftedClock()
{
    g_nShift = 0;
}

void ShiftedClock::Jump(std::int64_t seconds)
{
    g_nShift += seconds;
}

} // namespace platform

#include "platform/WindowTimers.h"

#include "platform/Clock.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QTimerEvent>

#include <glib.h>

#include <utility>

namespace platform {

namespace {
// Ticks of a manual clock, or of the loop's own source, carry the negated id: Qt's own
// timer ids are positive.
int ManualEventId(int id)
{
    return -id;
}

void DropSource(GSource*& source)
{
    if (GSource* dropped = std::exchange(source, nullptr)) {
        g_source_destroy(dropped);
        g_source_unref(dropped);
    }
}
} // namespace

struct WindowTimers::TickSource {
    GSource base;
    WindowTimers* owner;
    int id;
    gint64 period; // microseconds
    gint64 due;

    static gboolean Dispatch(GSource* source, GSourceFunc, gpointer)
    {
        auto* tick = reinterpret_cast<TickSource*>(source);
        // The next tick a period after this one was due, as Qt's precise timers keep time;
        // from now when the loop fell a whole period behind.
        const gint64 now = g_source_get_time(source);
        tick->due += tick->period;
        if (tick->due < now)
            tick->due = now + tick->period;
        g_source_set_ready_time(source, tick->due);
        // The owner may kill or restart this timer, or go: nothing here is used after.
        QTimerEvent e(ManualEventId(tick->id));
        tick->owner->m_pOwner->event(&e);
        return G_SOURCE_CONTINUE;
    }
};

bool WindowTimers::StartSource(int id, Timer& timer, int milliseconds)
{
    // Only the main thread's loop runs GLib's default context.
    const QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
    if (m_delivery != Delivery::Direct || !loop || !loop->inherits("QEventDispatcherGlib") ||
        m_pOwner->thread() != QCoreApplication::instance()->thread() || QThread::currentThread() != m_pOwner->thread())
        return false;
    static GSourceFuncs funcs = {nullptr, nullptr, &TickSource::Dispatch, nullptr, nullptr, nullptr};
    GSource* source = g_source_new(&funcs, sizeof(TickSource));
    auto* tick = reinterpret_cast<TickSource*>(source);
    tick->owner = this;
    tick->id = id;
    tick->period = static_cast<gint64>(milliseconds) * 1000;
    tick->due = g_get_monotonic_time() + tick->period;
    g_source_set_ready_time(source, tick->due);
    g_source_attach(source, nullptr);
    timer.pSource = source;
    return true;
}

WindowTimers::~WindowTimers()
{
    for (auto& [id, timer] : m_timers) {
        if (timer.pClock)
            timer.pClock->Forget(this);
        DropSource(timer.pSource);
    }
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
    if (StartSource(id, timer, milliseconds))
        return;
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
    DropSource(it->second.pSource);
    if (it->second.pClock)
        it->second.pClock->Stop(this, id);
    it->second.pClock = nullptr;
}

bool WindowTimers::IsSet(int id) const
{
    const auto it = m_timers.find(id);
    return it != m_timers.end() && (it->second.real.isActive() || it->second.pClock || it->second.pSource);
}

int WindowTimers::IdOf(const QTimerEvent* e) const
{
    for (const auto& [id, timer] : m_timers) {
        if (timer.real.isActive() && timer.real.timerId() == e->timerId())
            return id;
        if ((timer.pClock || timer.pSource) && ManualEventId(id) == e->timerId())
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

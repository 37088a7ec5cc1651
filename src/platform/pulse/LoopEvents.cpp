#include "platform/pulse/LoopEvents.h"

#include <pulse/rtclock.h>
#include <pulse/timeval.h>

#include <algorithm>

#include <sys/eventfd.h>
#include <unistd.h>

// The event types libpulse declares and leaves to each main loop.
struct pa_io_event {
    platform::LoopEvents* loop;
    int fd;
    pa_io_event_flags_t events;
    pa_io_event_cb_t callback;
    void* userdata;
    pa_io_event_destroy_cb_t destroy = nullptr;
    bool dead = false;
    // Its descriptor was found not open: told as an error once, then left out of the poll,
    // which would answer at once every turn and keep the loop spinning.
    bool invalid = false;
};

struct pa_time_event {
    platform::LoopEvents* loop;
    bool enabled = false;
    timeval given{};    // as asked for, handed back to the callback
    pa_usec_t due = 0;  // on the monotonic clock
    pa_time_event_cb_t callback;
    void* userdata;
    pa_time_event_destroy_cb_t destroy = nullptr;
    bool dead = false;
};

struct pa_defer_event {
    platform::LoopEvents* loop;
    bool enabled = true;
    pa_defer_event_cb_t callback;
    void* userdata;
    pa_defer_event_destroy_cb_t destroy = nullptr;
    bool dead = false;
};

namespace platform {

namespace {

// libpulse marks a time on the monotonic clock with this bit of tv_usec; for a loop not its
// own it hands over wall-clock times, but a marked one is still read right.
constexpr suseconds_t MONOTONIC_MARK = suseconds_t(1) << 30;

void SetDue(pa_time_event* e, const timeval* tv)
{
    e->enabled = tv != nullptr;
    if (!tv)
        return;
    e->given = *tv;
    if (tv->tv_usec & MONOTONIC_MARK) {
        timeval plain = *tv;
        plain.tv_usec &= ~MONOTONIC_MARK;
        e->due = pa_timeval_load(&plain);
        return;
    }
    // The wall clock may be set meanwhile: the wait is measured on the monotonic one.
    timeval wallNow{};
    pa_gettimeofday(&wallNow);
    const pa_usec_t now = pa_rtclock_now();
    const pa_usec_t wall = pa_timeval_load(tv);
    const pa_usec_t wallThen = pa_timeval_load(&wallNow);
    e->due = wall >= wallThen ? now + (wall - wallThen) : now - std::min(now, wallThen - wall);
}

pa_io_event_flags_t FromPoll(short revents)
{
    return static_cast<pa_io_event_flags_t>(((revents & POLLIN) ? PA_IO_EVENT_INPUT : 0) |
                                            ((revents & POLLOUT) ? PA_IO_EVENT_OUTPUT : 0) |
                                            ((revents & (POLLERR | POLLNVAL)) ? PA_IO_EVENT_ERROR : 0) |
                                            ((revents & POLLHUP) ? PA_IO_EVENT_HANGUP : 0));
}

short ToPoll(pa_io_event_flags_t events)
{
    return static_cast<short>(((events & PA_IO_EVENT_INPUT) ? POLLIN : 0) | ((events & PA_IO_EVENT_OUTPUT) ? POLLOUT : 0) |
                              ((events & PA_IO_EVENT_ERROR) ? POLLERR : 0) |
                              ((events & PA_IO_EVENT_HANGUP) ? POLLHUP : 0));
}

LoopEvents* Of(pa_mainloop_api* api)
{
    return static_cast<LoopEvents*>(api->userdata);
}

// Freed events stay until the next sweep: a callback may free one while a dispatch is
// still walking the list. They leave the list before their destroy callbacks run, which
// may make or free others.
template <typename Event>
void Sweep(std::vector<std::unique_ptr<Event>>& events, pa_mainloop_api* api, bool all)
{
    std::vector<std::unique_ptr<Event>> gone;
    auto kept = events.begin();
    for (auto& e : events) {
        if (all || e->dead)
            gone.push_back(std::move(e));
        else
            *kept++ = std::move(e);
    }
    events.erase(kept, events.end());
    for (auto& e : gone) {
        if (e->destroy)
            e->destroy(api, e.get(), e->userdata);
    }
}

} // namespace

LoopEvents::LoopEvents(std::function<bool()> inLoop)
    : m_inLoop(std::move(inLoop)), m_nWakeFd(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
    m_api.userdata = this;
    m_api.io_new = [](pa_mainloop_api* api, int fd, pa_io_event_flags_t events, pa_io_event_cb_t cb, void* userdata) {
        LoopEvents* loop = Of(api);
        loop->m_io.push_back(std::make_unique<pa_io_event>(pa_io_event{loop, fd, events, cb, userdata}));
        loop->Changed();
        return loop->m_io.back().get();
    };
    m_api.io_enable = [](pa_io_event* e, pa_io_event_flags_t events) {
        if (e->events == events)
            return;
        e->events = events;
        e->loop->Changed();
    };
    m_api.io_free = [](pa_io_event* e) {
        e->dead = true;
        e->loop->m_bDead = true;
        e->loop->Changed();
    };
    m_api.io_set_destroy = [](pa_io_event* e, pa_io_event_destroy_cb_t cb) { e->destroy = cb; };

    m_api.time_new = [](pa_mainloop_api* api, const timeval* tv, pa_time_event_cb_t cb, void* userdata) {
        LoopEvents* loop = Of(api);
        auto e = std::make_unique<pa_time_event>();
        e->loop = loop;
        e->callback = cb;
        e->userdata = userdata;
        SetDue(e.get(), tv);
        loop->m_timers.push_back(std::move(e));
        loop->Changed();
        return loop->m_timers.back().get();
    };
    m_api.time_restart = [](pa_time_event* e, const timeval* tv) {
        SetDue(e, tv);
        e->loop->Changed();
    };
    m_api.time_free = [](pa_time_event* e) {
        e->dead = true;
        e->loop->m_bDead = true;
    };
    m_api.time_set_destroy = [](pa_time_event* e, pa_time_event_destroy_cb_t cb) { e->destroy = cb; };

    m_api.defer_new = [](pa_mainloop_api* api, pa_defer_event_cb_t cb, void* userdata) {
        LoopEvents* loop = Of(api);
        loop->m_defers.push_back(std::make_unique<pa_defer_event>(pa_defer_event{loop, true, cb, userdata}));
        loop->Changed();
        return loop->m_defers.back().get();
    };
    m_api.defer_enable = [](pa_defer_event* e, int b) {
        if (e->enabled == (b != 0))
            return;
        e->enabled = b != 0;
        if (e->enabled)
            e->loop->Changed();
    };
    m_api.defer_free = [](pa_defer_event* e) {
        e->dead = true;
        e->loop->m_bDead = true;
    };
    m_api.defer_set_destroy = [](pa_defer_event* e, pa_defer_event_destroy_cb_t cb) { e->destroy = cb; };
    m_api.quit = [](pa_mainloop_api* api, int) { Of(api)->Quit(); };
}

LoopEvents::~LoopEvents()
{
    Sweep(true);
    if (m_nWakeFd >= 0)
        ::close(m_nWakeFd);
}

void LoopEvents::Changed()
{
    if (!m_inLoop())
        Wake();
}

void LoopEvents::Wake()
{
    if (m_nWakeFd >= 0)
        eventfd_write(m_nWakeFd, 1);
}

void LoopEvents::Quit()
{
    m_bQuit = true;
    Wake();
}

void LoopEvents::Sweep(bool all)
{
    if (!all && !m_bDead)
        return;
    m_bDead = false;
    platform::Sweep(m_io, &m_api, all);
    platform::Sweep(m_timers, &m_api, all);
    platform::Sweep(m_defers, &m_api, all);
}

bool LoopEvents::Deferred() const
{
    return std::any_of(m_defers.begin(), m_defers.end(), [](const auto& e) { return e->enabled && !e->dead; });
}

int LoopEvents::Prepare(bool block)
{
    Sweep(false);
    m_pollSet.clear();
    m_polled.clear();
    m_pollSet.push_back({m_nWakeFd, POLLIN, 0});
    for (const auto& e : m_io) {
        // A negative descriptor is skipped by poll, and answers nothing.
        m_pollSet.push_back({e->invalid ? -1 : e->fd, ToPoll(e->events), 0});
        m_polled.push_back(e.get());
    }
    if (!block || m_bQuit || Deferred())
        return 0;
    const pa_time_event* next = nullptr;
    for (const auto& e : m_timers) {
        if (e->enabled && !e->dead && (!next || e->due < next->due))
            next = e.get();
    }
    if (!next)
        return -1;
    const pa_usec_t now = pa_rtclock_now();
    return next->due <= now ? 0 : static_cast<int>((next->due - now + PA_USEC_PER_MSEC - 1) / PA_USEC_PER_MSEC);
}

int LoopEvents::Dispatch(int ready)
{
    if (m_bQuit)
        return -1;
    int ran = 0;
    // Deferred calls first and alone, as pa_mainloop runs them: they finish what the last
    // turn began (a message half read, a reply to send) before anything new comes in.
    if (Deferred()) {
        for (std::size_t i = 0, n = m_defers.size(); i < n && !m_bQuit; ++i) {
            pa_defer_event* e = m_defers[i].get();
            if (e->enabled && !e->dead) {
                e->callback(&m_api, e, e->userdata);
                ++ran;
            }
        }
        return m_bQuit ? -1 : ran;
    }
    pa_usec_t now = 0;
    for (std::size_t i = 0, n = m_timers.size(); i < n && !m_bQuit; ++i) {
        pa_time_event* e = m_timers[i].get();
        if (!e->enabled || e->dead)
            continue;
        if (now == 0)
            now = pa_rtclock_now();
        if (e->due > now)
            continue;
        e->enabled = false;
        const timeval given = e->given;
        e->callback(&m_api, e, &given, e->userdata);
        ++ran;
    }
    if (ready > 0 && !m_bQuit) {
        if (m_pollSet[0].revents) {
            eventfd_t drained = 0;
            eventfd_read(m_nWakeFd, &drained);
        }
        for (std::size_t i = 0; i < m_polled.size() && !m_bQuit; ++i) {
            pa_io_event* e = m_polled[i];
            const short revents = m_pollSet[i + 1].revents;
            // An event freed by an earlier callback of this turn is still there, marked.
            if (!revents || e->dead)
                continue;
            // A descriptor closed under the loop (its owner's fault) fails its owner, as a
            // hung-up socket does, rather than being polled again at once for ever.
            e->invalid = e->invalid || (revents & POLLNVAL);
            e->callback(&m_api, e, e->fd, FromPoll(revents), e->userdata);
            ++ran;
        }
    }
    return m_bQuit ? -1 : ran;
}

} // namespace platform

#include "platform/pulse/PulseLoop.h"

#include <pulse/mainloop-api.h>
#include <pulse/timeval.h>

#include <algorithm>
#include <cstdint>
#include <system_error>

#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace platform {

namespace {

void SignalLoop(void* loop)
{
    static_cast<PulseLoop*>(loop)->Signal();
}

// Counts the forks of this process in the children: a loop made before the last fork
// belongs to the parent. Cheaper than asking for the process id at every lock.
std::atomic<int> g_nForks{0};
int Forks()
{
    static const bool counting = [] {
        pthread_atfork(nullptr, nullptr, [] { ++g_nForks; });
        return true;
    }();
    (void)counting;
    return g_nForks.load(std::memory_order_relaxed);
}

} // namespace

PulseLoop::PulseLoop() : m_nForks(Forks()), m_pEvents(std::make_unique<LoopEvents>([this] { return InLoop(); }))
{
    m_nHurryFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (!m_pEvents->Usable())
        return;
    try {
        m_pThread = std::make_unique<std::thread>(&PulseLoop::Run, this);
    } catch (const std::system_error&) {
    }
}

PulseLoop::~PulseLoop()
{
    // A forked child leaves the parent's loop alone: its thread is not in this process.
    if (Forks() != m_nForks) {
        (void)m_pThread.release();
        (void)m_pEvents.release();
        return;
    }
    if (m_pThread) {
        {
            std::lock_guard lock(m_mutex);
            m_pEvents->Quit();
            Lend(false);
        }
        Hurry();
        m_pThread->join();
    }
    m_pEvents.reset();
    if (m_nHurryFd >= 0)
        ::close(m_nHurryFd);
}

void PulseLoop::Run()
{
    std::unique_lock lock(m_mutex);
    while (Iterate(true) >= 0) {
        if (Lent())
            Park(lock);
    }
}

int PulseLoop::Iterate(bool block)
{
    if (m_pEvents->Quitting())
        return -1;
    const int timeout = m_pEvents->Prepare(block);
    std::vector<pollfd>& fds = m_pEvents->PollSet();
    const int ready = m_pEvents->Deferred() ? 0 : Poll(fds.data(), fds.size(), timeout);
    return m_pEvents->Dispatch(ready);
}

void PulseLoop::Park(std::unique_lock<std::recursive_mutex>& lock)
{
    m_bParked = true;
    while (Lent()) {
        const Clock::time_point until = m_tLastPump + PARK_LIMIT;
        if (Clock::now() >= until) {
            m_bBorrowed = false;
            break;
        }
        m_park.wait_until(lock, until);
    }
    m_bParked = false;
}

void PulseLoop::Lend(bool lendable)
{
    if (lendable == m_bLendable)
        return;
    m_bLendable = lendable;
    m_bBorrowed = false;
    m_park.notify_all();
}

bool PulseLoop::Pump()
{
    if (!m_bLendable || !Usable())
        return false;
    m_bBorrowed = true;
    m_tLastPump = Clock::now();
    if (!m_bParked)
        return false;
    m_bPumping = true;
    // Until nothing more is due: a turn reads one message from a socket. Bounded, so that a
    // server that floods the socket cannot hold the frame.
    constexpr int MAX_TURNS = 64;
    for (int turn = 0; turn < MAX_TURNS && Lent(); ++turn) {
        if (Iterate(false) <= 0)
            break;
    }
    m_bPumping = false;
    return true;
}

int PulseLoop::Poll(pollfd* fds, unsigned long count, int timeout)
{
    // A pump looks, and does not wait: the lock stays with the watcher's thread.
    if (m_bPumping)
        return ::poll(fds, count, 0);
    const int gather = m_nGatherMs.load(std::memory_order_relaxed);
    const bool gathering = gather > 0 && m_nWaiting.load(std::memory_order_relaxed) == 0 && m_nHurryFd >= 0;
    // What is already here is all taken in before waiting: the loop reads one message from
    // a socket per turn (PipeWire sends the sound that way), so holding back every turn
    // would take in a message an interval and fall behind the sound.
    if (gathering) {
        if (const int ready = ::poll(fds, count, 0); ready != 0)
            return ready;
    }
    if (const int bound = m_beforeWait ? m_beforeWait(gathering) : -1; bound >= 0)
        timeout = timeout < 0 ? bound : std::min(timeout, bound);
    m_mutex.unlock();
    // A source that hands over pieces longer than the interval is waited for straight away:
    // waiting out the interval first would only add a wake-up to each piece.
    if (gathering && !m_bPieceAtATime) {
        // The rest of the interval is waited out first, so that what the server sends
        // meanwhile is all taken in with one wake-up; a timer due sooner is not held back,
        // and Hurry ends the wait.
        const Clock::time_point now = Clock::now();
        Clock::time_point until = m_tLastWake + std::chrono::milliseconds(gather);
        if (timeout >= 0)
            until = std::min(until, now + std::chrono::milliseconds(timeout));
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - now).count();
        if (left > 0) {
            pollfd hurry{m_nHurryFd, POLLIN, 0};
            if (::poll(&hurry, 1, static_cast<int>(left)) > 0) {
                eventfd_t drained = 0;
                eventfd_read(m_nHurryFd, &drained);
            }
            if (timeout >= 0)
                timeout = static_cast<int>(std::max<std::int64_t>(
                    0, timeout - std::chrono::ceil<std::chrono::milliseconds>(Clock::now() - now).count()));
            m_bPieceAtATime = ::poll(fds, count, 0) == 0;
        }
    }
    const int ready = ::poll(fds, count, timeout);
    const Clock::time_point woke = Clock::now();
    // Something came within the interval after all: gathering pays again.
    if (m_bPieceAtATime && woke - m_tLastWake < std::chrono::milliseconds(gather))
        m_bPieceAtATime = false;
    m_tLastWake = woke;
    m_mutex.lock();
    return ready;
}

void PulseLoop::Hurry()
{
    if (m_nHurryFd >= 0)
        eventfd_write(m_nHurryFd, 1);
}

bool PulseLoop::Usable() const
{
    return m_pThread && Forks() == m_nForks;
}

pa_mainloop_api* PulseLoop::Api() const
{
    return m_pEvents->Api();
}

PulseLoop::Lock::Lock(const PulseLoop& loop) : m_pLoop(loop.Usable() ? &loop : nullptr)
{
    if (m_pLoop)
        m_pLoop->m_mutex.lock();
}

PulseLoop::Lock::~Lock()
{
    if (m_pLoop)
        m_pLoop->m_mutex.unlock();
}

void PulseLoop::Signal()
{
    m_signal.notify_all();
}

void PulseLoop::Gather(std::chrono::milliseconds interval)
{
    const int ms = static_cast<int>(interval.count());
    if (m_nGatherMs.exchange(ms) > 0 && ms == 0)
        Hurry();
}

bool PulseLoop::WaitUntil(const std::function<bool()>& done, Clock::time_point deadline)
{
    if (done())
        return true;
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    if (left.count() <= 0)
        return false;

    // An answer waited for is taken in at once, not at the end of a gathering interval.
    ++m_nWaiting;
    if (m_nGatherMs.load() > 0)
        Hurry();
    m_park.notify_all();
    // A timer on the loop wakes the wait at the deadline even if the server stays silent.
    pa_mainloop_api* api = Api();
    timeval when{};
    pa_timeval_add(pa_gettimeofday(&when), static_cast<pa_usec_t>(left.count()));
    pa_time_event* alarm = api->time_new(
        api, &when, [](pa_mainloop_api*, pa_time_event*, const timeval*, void* loop) { SignalLoop(loop); }, this);

    bool met = true;
    while (!done()) {
        if (Clock::now() >= deadline) {
            met = false;
            break;
        }
        m_signal.wait(m_mutex);
    }
    api->time_free(alarm);
    --m_nWaiting;
    return met;
}

bool PulseLoop::Finish(pa_operation* operation, Clock::time_point deadline, bool* timedOut)
{
    if (timedOut)
        *timedOut = false;
    if (!operation)
        return false;
    pa_operation_set_state_callback(operation, [](pa_operation*, void* loop) { SignalLoop(loop); }, this);
    const bool finished =
        WaitUntil([operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; }, deadline);
    const bool done = finished && pa_operation_get_state(operation) == PA_OPERATION_DONE;
    if (!finished)
        pa_operation_cancel(operation);
    pa_operation_set_state_callback(operation, nullptr, nullptr);
    pa_operation_unref(operation);
    if (timedOut)
        *timedOut = !finished;
    return done;
}

} // namespace platform

#include "platform/pulse/PulseLoop.h"

#include <pulse/mainloop-api.h>
#include <pulse/timeval.h>

#include <unistd.h>

namespace platform {

namespace {

void SignalLoop(void* loop)
{
    static_cast<PulseLoop*>(loop)->Signal();
}

} // namespace

PulseLoop::PulseLoop() : m_nOwner(::getpid()), m_pLoop(pa_threaded_mainloop_new())
{
    if (m_pLoop && pa_threaded_mainloop_start(m_pLoop) < 0) {
        pa_threaded_mainloop_free(m_pLoop);
        m_pLoop = nullptr;
    }
}

PulseLoop::~PulseLoop()
{
    if (!Usable())
        return;
    pa_threaded_mainloop_stop(m_pLoop);
    pa_threaded_mainloop_free(m_pLoop);
}

bool PulseLoop::Usable() const
{
    return m_pLoop && ::getpid() == m_nOwner;
}

pa_mainloop_api* PulseLoop::Api() const
{
    return pa_threaded_mainloop_get_api(m_pLoop);
}

PulseLoop::Lock::Lock(const PulseLoop& loop) : m_pLoop(loop.Usable() ? loop.m_pLoop : nullptr)
{
    if (m_pLoop)
        pa_threaded_mainloop_lock(m_pLoop);
}

PulseLoop::Lock::~Lock()
{
    if (m_pLoop)
        pa_threaded_mainloop_unlock(m_pLoop);
}

void PulseLoop::Signal()
{
    pa_threaded_mainloop_signal(m_pLoop, 0);
}

bool PulseLoop::WaitUntil(const std::function<bool()>& done, Clock::time_point deadline)
{
    if (done())
        return true;
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    if (left.count() <= 0)
        return false;

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
        pa_threaded_mainloop_wait(m_pLoop);
    }
    api->time_free(alarm);
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

#include "platform/audio/pulse/PulseConnection.h"

#include <pulse/introspect.h>
#include <pulse/mainloop-api.h>
#include <pulse/timeval.h>

namespace platform {

namespace {

void SignalLoop(void* userdata)
{
    static_cast<PulseConnection*>(userdata)->Signal();
}

struct DeviceQuery {
    PulseConnection* connection;
    std::vector<PulseConnection::Device> devices;
    bool done = false;
};

template <typename Info>
void CollectDevice(pa_context*, const Info* info, int eol, void* userdata)
{
    auto* query = static_cast<DeviceQuery*>(userdata);
    if (eol != 0) {
        query->done = true;
        query->connection->Signal();
        return;
    }
    query->devices.push_back({info->name, QString::fromUtf8(info->description)});
}

} // namespace

PulseConnection::PulseConnection() : m_pLoop(pa_threaded_mainloop_new())
{
    // Without a loop (no memory, no thread) the backend acts as if no server answered.
    if (m_pLoop && pa_threaded_mainloop_start(m_pLoop) < 0) {
        pa_threaded_mainloop_free(m_pLoop);
        m_pLoop = nullptr;
    }
}

PulseConnection::~PulseConnection()
{
    if (!m_pLoop)
        return;
    pa_threaded_mainloop_lock(m_pLoop);
    Disconnect();
    pa_threaded_mainloop_unlock(m_pLoop);
    pa_threaded_mainloop_stop(m_pLoop);
    pa_threaded_mainloop_free(m_pLoop);
}

PulseConnection::Lock::Lock(PulseConnection& connection) : m_pLoop(connection.m_pLoop)
{
    if (m_pLoop)
        pa_threaded_mainloop_lock(m_pLoop);
}

PulseConnection::Lock::~Lock()
{
    if (m_pLoop)
        pa_threaded_mainloop_unlock(m_pLoop);
}

void PulseConnection::Signal()
{
    pa_threaded_mainloop_signal(m_pLoop, 0);
}

void PulseConnection::Disconnect()
{
    if (!m_pContext)
        return;
    pa_context_set_state_callback(m_pContext, nullptr, nullptr);
    pa_context_disconnect(m_pContext);
    // Streams of this context keep their own reference and see it as failed.
    pa_context_unref(m_pContext);
    m_pContext = nullptr;
}

pa_context* PulseConnection::Context(Deadline deadline)
{
    if (m_pContext && pa_context_get_state(m_pContext) == PA_CONTEXT_READY)
        return m_pContext;
    Disconnect();
    if (!m_pLoop)
        return nullptr;

    m_pContext = pa_context_new(pa_threaded_mainloop_get_api(m_pLoop), "Tessavox");
    if (!m_pContext)
        return nullptr;
    pa_context_set_state_callback(
        m_pContext, [](pa_context*, void* userdata) { SignalLoop(userdata); }, this);
    // Never start a server of our own: the desktop runs one, or there is none to use.
    if (pa_context_connect(m_pContext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        Disconnect();
        return nullptr;
    }
    const bool settled = WaitUntil(
        [this] {
            return !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_pContext)) ||
                   pa_context_get_state(m_pContext) == PA_CONTEXT_READY;
        },
        deadline);
    if (!settled || pa_context_get_state(m_pContext) != PA_CONTEXT_READY) {
        Disconnect();
        return nullptr;
    }
    return m_pContext;
}

std::vector<PulseConnection::Device> PulseConnection::Devices(Direction dir, Deadline deadline)
{
    pa_context* context = Context(deadline);
    if (!context)
        return {};
    DeviceQuery query{this, {}, false};
    pa_operation* operation =
        dir == Direction::Capture
            ? pa_context_get_source_info_list(context, CollectDevice<pa_source_info>, &query)
            : pa_context_get_sink_info_list(context, CollectDevice<pa_sink_info>, &query);
    if (!Finish(operation, deadline) || !query.done)
        return {};
    return std::move(query.devices);
}

bool PulseConnection::WaitUntil(const std::function<bool()>& done, Deadline deadline)
{
    if (done())
        return true;
    const auto timeout =
        std::chrono::duration_cast<std::chrono::microseconds>(deadline - std::chrono::steady_clock::now());
    if (timeout.count() <= 0)
        return false;

    // A timer on the loop wakes the wait at the deadline even if the server stays silent.
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_pLoop);
    timeval when{};
    pa_timeval_add(pa_gettimeofday(&when), static_cast<pa_usec_t>(timeout.count()));
    pa_time_event* alarm = api->time_new(
        api, &when,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* userdata) { SignalLoop(userdata); }, this);

    bool met = true;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            met = false;
            break;
        }
        pa_threaded_mainloop_wait(m_pLoop);
    }
    api->time_free(alarm);
    return met;
}

bool PulseConnection::Finish(pa_operation* operation, Deadline deadline)
{
    if (!operation)
        return false;
    pa_operation_set_state_callback(
        operation, [](pa_operation*, void* userdata) { SignalLoop(userdata); }, this);
    const bool finished = WaitUntil(
        [operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; }, deadline);
    const bool done = finished && pa_operation_get_state(operation) == PA_OPERATION_DONE;
    if (!finished)
        pa_operation_cancel(operation);
    pa_operation_set_state_callback(operation, nullptr, nullptr);
    pa_operation_unref(operation);
    return done;
}

} // namespace platform

#include "platform/mixer/pulse/PulseMixerConnection.h"

#include <pulse/mainloop-api.h>
#include <pulse/subscribe.h>
#include <pulse/timeval.h>

#include <algorithm>

#include <unistd.h>

namespace platform {

namespace {

struct SourceList {
    std::vector<PulseSource> sources;
    bool complete = false;
};

struct OneSource {
    std::optional<PulseSource> source;
};

void SignalLoop(pa_threaded_mainloop* loop)
{
    pa_threaded_mainloop_signal(loop, 0);
}

} // namespace

PulseMixerConnection::PulseMixerConnection(QByteArray server)
    : m_server(std::move(server)), m_nOwner(::getpid()), m_pLoop(pa_threaded_mainloop_new())
{
    // Without a loop (no memory, no thread) every call answers as if no server were there.
    if (m_pLoop && pa_threaded_mainloop_start(m_pLoop) < 0) {
        pa_threaded_mainloop_free(m_pLoop);
        m_pLoop = nullptr;
    }
}

PulseMixerConnection::~PulseMixerConnection()
{
    if (!Usable())
        return;
    pa_threaded_mainloop_lock(m_pLoop);
    Disconnect();
    pa_threaded_mainloop_unlock(m_pLoop);
    pa_threaded_mainloop_stop(m_pLoop);
    pa_threaded_mainloop_free(m_pLoop);
}

bool PulseMixerConnection::Usable() const
{
    return m_pLoop && ::getpid() == m_nOwner;
}

PulseMixerConnection::Lock::Lock(PulseMixerConnection& connection)
    : m_pLoop(connection.Usable() ? connection.m_pLoop : nullptr)
{
    if (m_pLoop)
        pa_threaded_mainloop_lock(m_pLoop);
}

PulseMixerConnection::Lock::~Lock()
{
    if (m_pLoop)
        pa_threaded_mainloop_unlock(m_pLoop);
}

void PulseMixerConnection::OnState(pa_context*, void* userdata)
{
    SignalLoop(static_cast<PulseMixerConnection*>(userdata)->m_pLoop);
}

void PulseMixerConnection::Disconnect()
{
    if (!m_pContext)
        return;
    pa_context_set_state_callback(m_pContext, nullptr, nullptr);
    pa_context_set_subscribe_callback(m_pContext, nullptr, nullptr);
    pa_context_disconnect(m_pContext);
    pa_context_unref(m_pContext);
    m_pContext = nullptr;
}

pa_context* PulseMixerConnection::Connect(Clock::time_point deadline)
{
    if (!Usable())
        return nullptr;
    if (m_pContext && pa_context_get_state(m_pContext) == PA_CONTEXT_READY)
        return m_pContext;
    Disconnect();
    m_pContext = pa_context_new(pa_threaded_mainloop_get_api(m_pLoop), "Tessavox mixer");
    if (!m_pContext)
        return nullptr;
    ++m_nGeneration;
    pa_context_set_state_callback(m_pContext, &PulseMixerConnection::OnState, this);
    // Never start a server of our own: the desktop runs one, or there is none to use.
    if (pa_context_connect(m_pContext, m_server.isEmpty() ? nullptr : m_server.constData(),
                           PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        Disconnect();
        return nullptr;
    }
    const bool settled = WaitUntil(
        [this] {
            const pa_context_state_t s = pa_context_get_state(m_pContext);
            return !PA_CONTEXT_IS_GOOD(s) || s == PA_CONTEXT_READY;
        },
        deadline);
    if (!settled || pa_context_get_state(m_pContext) != PA_CONTEXT_READY) {
        Disconnect();
        return nullptr;
    }
    pa_context_set_subscribe_callback(m_pContext, &PulseMixerConnection::OnEvent, this);
    // Changes are only wanted while someone watches; losing the subscription loses
    // notifications, nothing else, so its reply is not waited for.
    if (pa_operation* op = pa_context_subscribe(m_pContext, PA_SUBSCRIPTION_MASK_SOURCE, nullptr, nullptr))
        pa_operation_unref(op);
    return m_pContext;
}

pa_context* PulseMixerConnection::Ready(std::uint64_t generation)
{
    if (!Usable() || generation != m_nGeneration || !m_pContext ||
        pa_context_get_state(m_pContext) != PA_CONTEXT_READY)
        return nullptr;
    return m_pContext;
}

bool PulseMixerConnection::WaitUntil(const std::function<bool()>& done, Clock::time_point deadline)
{
    if (done())
        return true;
    if (Clock::now() >= deadline)
        return false;
    // A timer on the loop wakes the wait at the deadline even if the server stays silent.
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_pLoop);
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    timeval when{};
    pa_timeval_add(pa_gettimeofday(&when), static_cast<pa_usec_t>(std::max<std::int64_t>(left.count(), 0)));
    pa_time_event* alarm = api->time_new(
        api, &when,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* userdata) {
            SignalLoop(static_cast<pa_threaded_mainloop*>(userdata));
        },
        m_pLoop);
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

bool PulseMixerConnection::Finish(pa_operation* operation, Clock::time_point deadline)
{
    if (!operation)
        return false;
    pa_operation_set_state_callback(
        operation, [](pa_operation*, void* userdata) { SignalLoop(static_cast<pa_threaded_mainloop*>(userdata)); },
        m_pLoop);
    const bool finished =
        WaitUntil([operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; }, deadline);
    const bool done = finished && pa_operation_get_state(operation) == PA_OPERATION_DONE;
    if (!finished)
        pa_operation_cancel(operation);
    pa_operation_set_state_callback(operation, nullptr, nullptr);
    pa_operation_unref(operation);
    if (!finished)
        Disconnect();
    return done;
}

bool PulseMixerConnection::FinishSuccess(pa_operation* operation, const bool& success, Clock::time_point deadline)
{
    return Finish(operation, deadline) && success;
}

std::optional<std::vector<PulseSource>> PulseMixerConnection::Sources(pa_context* context, Clock::time_point deadline)
{
    SourceList list;
    pa_operation* op = pa_context_get_source_info_list(
        context,
        [](pa_context*, const pa_source_info* info, int eol, void* userdata) {
            auto* l = static_cast<SourceList*>(userdata);
            if (eol > 0)
                l->complete = true;
            else if (eol == 0 && info)
                l->sources.push_back(PulseSource::From(*info));
        },
        &list);
    if (!Finish(op, deadline) || !list.complete)
        return std::nullopt;
    return std::move(list.sources);
}

std::optional<PulseSource> PulseMixerConnection::Source(pa_context* context, std::uint32_t index,
                                                        Clock::time_point deadline)
{
    OneSource one;
    pa_operation* op = pa_context_get_source_info_by_index(
        context, index,
        [](pa_context*, const pa_source_info* info, int eol, void* userdata) {
            if (eol == 0 && info)
                static_cast<OneSource*>(userdata)->source = PulseSource::From(*info);
        },
        &one);
    if (!Finish(op, deadline))
        return std::nullopt;
    return one.source;
}

std::optional<std::string> PulseMixerConnection::DefaultSourceName(pa_context* context, Clock::time_point deadline)
{
    std::optional<std::string> name;
    pa_operation* op = pa_context_get_server_info(
        context,
        [](pa_context*, const pa_server_info* info, void* userdata) {
            if (info && info->default_source_name)
                *static_cast<std::optional<std::string>*>(userdata) = info->default_source_name;
        },
        &name);
    if (!Finish(op, deadline))
        return std::nullopt;
    return name;
}

namespace {
void StoreSuccess(pa_context*, int success, void* userdata)
{
    *static_cast<bool*>(userdata) = success != 0;
}
} // namespace

bool PulseMixerConnection::SetVolume(pa_context* context, std::uint32_t index, const pa_cvolume& volume,
                                     Clock::time_point deadline)
{
    bool success = false;
    return FinishSuccess(pa_context_set_source_volume_by_index(context, index, &volume, StoreSuccess, &success),
                         success, deadline);
}

bool PulseMixerConnection::SetMute(pa_context* context, std::uint32_t index, bool mute, Clock::time_point deadline)
{
    bool success = false;
    return FinishSuccess(pa_context_set_source_mute_by_index(context, index, mute ? 1 : 0, StoreSuccess, &success),
                         success, deadline);
}

bool PulseMixerConnection::SetPort(pa_context* context, std::uint32_t index, const std::string& port,
                                   Clock::time_point deadline)
{
    bool success = false;
    return FinishSuccess(
        pa_context_set_source_port_by_index(context, index, port.c_str(), StoreSuccess, &success), success,
        deadline);
}

void PulseMixerConnection::AddWatcher(PulseSourceWatcher* watcher)
{
    m_watchers.push_back(watcher);
}

void PulseMixerConnection::RemoveWatcher(PulseSourceWatcher* watcher)
{
    std::erase(m_watchers, watcher);
}

void PulseMixerConnection::OnEvent(pa_context* context, pa_subscription_event_type_t type, std::uint32_t index,
                                   void* userdata)
{
    auto* self = static_cast<PulseMixerConnection*>(userdata);
    if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) != PA_SUBSCRIPTION_EVENT_SOURCE ||
        (type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) != PA_SUBSCRIPTION_EVENT_CHANGE)
        return;
    const bool watched = std::any_of(self->m_watchers.begin(), self->m_watchers.end(),
                                     [index](PulseSourceWatcher* w) { return w->WatchedSource() == index; });
    if (!watched)
        return;
    // The answer is matched to watchers by the source's index when it arrives, so a
    // watcher that has gone by then is simply not told.
    if (pa_operation* op = pa_context_get_source_info_by_index(context, index, &PulseMixerConnection::OnWatchedSource, self))
        pa_operation_unref(op);
}

void PulseMixerConnection::OnWatchedSource(pa_context*, const pa_source_info* info, int eol, void* userdata)
{
    if (eol != 0 || !info)
        return;
    auto* self = static_cast<PulseMixerConnection*>(userdata);
    const PulseSource source = PulseSource::From(*info);
    for (PulseSourceWatcher* w : self->m_watchers)
        if (w->WatchedSource() == source.index)
            w->SourceChanged(source);
}

} // namespace platform

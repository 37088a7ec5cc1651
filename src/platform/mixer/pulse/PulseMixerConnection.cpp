#include "platform/mixer/pulse/PulseMixerConnection.h"

#include <pulse/subscribe.h>

#include <algorithm>

namespace platform {

namespace {

struct SourceList {
    std::vector<PulseSource> sources;
    bool complete = false;
};

struct OneSource {
    std::optional<PulseSource> source;
};

} // namespace

PulseMixerConnection::PulseMixerConnection(QByteArray server) : m_server(std::move(server)) {}

PulseMixerConnection::~PulseMixerConnection()
{
    PulseLoop::Lock lock(m_loop);
    if (m_loop.Usable())
        Disconnect();
}

void PulseMixerConnection::OnState(pa_context*, void* userdata)
{
    static_cast<PulseMixerConnection*>(userdata)->m_loop.Signal();
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
    if (!m_loop.Usable())
        return nullptr;
    if (m_pContext && pa_context_get_state(m_pContext) == PA_CONTEXT_READY)
        return m_pContext;
    Disconnect();
    m_pContext = pa_context_new(m_loop.Api(), "Tessavox mixer");
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
    const bool settled = m_loop.WaitUntil(
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
    if (!m_loop.Usable() || generation != m_nGeneration || !m_pContext ||
        pa_context_get_state(m_pContext) != PA_CONTEXT_READY)
        return nullptr;
    return m_pContext;
}

bool PulseMixerConnection::Finish(pa_operation* operation, Clock::time_point deadline)
{
    bool late = false;
    const bool done = m_loop.Finish(operation, deadline, &late);
    if (late)
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

#include "platform/audio/pulse/PulseConnection.h"

#include <pulse/introspect.h>

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

PulseConnection::~PulseConnection()
{
    PulseLoop::Lock lock(m_loop);
    if (m_loop.Usable())
        Disconnect();
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
    // Without a loop the backend acts as if no server answered.
    if (!m_loop.Usable())
        return nullptr;

    m_pContext = pa_context_new(m_loop.Api(), "Tessavox");
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

} // namespace platform

#include "platform/audio/pulse/PulseConnection.h"

#include <QCoreApplication>
#include <QPointer>

#include <pulse/introspect.h>
#include <pulse/subscribe.h>
#include <pulse/timeval.h>

#include <algorithm>
#include <memory>

namespace platform {

namespace {

struct DeviceQuery {
    PulseConnection* connection;
    std::vector<DeviceInfo> devices;
    bool done = false;
};

template <typename Info>
DeviceInfo Listed(const Info& info)
{
    return {QString::fromUtf8(info.name), QString::fromUtf8(info.description)};
}

template <typename Info>
void CollectDevice(pa_context*, const Info* info, int eol, void* userdata)
{
    auto* query = static_cast<DeviceQuery*>(userdata);
    if (eol != 0) {
        query->done = true;
        query->connection->Signal();
        return;
    }
    query->devices.push_back(Listed(*info));
}

} // namespace

PulseConnection::PulseConnection()
{
    PulseLoop::Lock lock(m_loop);
    m_loop.SetBeforeWait([this](bool gathering) { return BeforeWait(gathering); });
}

PulseConnection::~PulseConnection()
{
    PulseLoop::Lock lock(m_loop);
    PostHeld();
    if (!m_loop.Usable())
        return;
    CancelRetry();
    Disconnect();
}

bool PulseConnection::Ready() const
{
    return m_pContext && pa_context_get_state(m_pContext) == PA_CONTEXT_READY;
}

bool PulseConnection::Connecting() const
{
    if (!m_pContext)
        return false;
    const pa_context_state_t state = pa_context_get_state(m_pContext);
    return PA_CONTEXT_IS_GOOD(state) && state != PA_CONTEXT_READY;
}

void PulseConnection::Disconnect()
{
    if (!m_pContext)
        return;
    pa_context_set_state_callback(m_pContext, nullptr, nullptr);
    pa_context_set_subscribe_callback(m_pContext, nullptr, nullptr);
    // Also cancels a list still on its way, so its callback never runs.
    pa_context_disconnect(m_pContext);
    // Streams of this context keep their own reference and see it as failed.
    pa_context_unref(m_pContext);
    m_pContext = nullptr;
}

bool PulseConnection::BeginConnect()
{
    Disconnect();
    m_pContext = pa_context_new(m_loop.Api(), "Tessavox");
    if (!m_pContext)
        return false;
    m_bSubscribed = m_bListing = m_bListAgain = false;
    pa_context_set_state_callback(
        m_pContext, [](pa_context*, void* self) { static_cast<PulseConnection*>(self)->OnState(); }, this);
    pa_context_set_subscribe_callback(
        m_pContext,
        [](pa_context*, pa_subscription_event_type_t type, std::uint32_t, void* self) {
            if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) == PA_SUBSCRIPTION_EVENT_SOURCE)
                static_cast<PulseConnection*>(self)->ListSources();
        },
        this);
    // Never start a server of our own: the desktop runs one, or there is none to use.
    if (pa_context_connect(m_pContext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        Disconnect();
        return false;
    }
    return true;
}

pa_context* PulseConnection::Context(Deadline deadline)
{
    if (Ready())
        return m_pContext;
    // Without a loop the backend acts as if no server answered.
    if (!m_loop.Usable())
        return nullptr;
    // A connection already under way (a watcher's retry) is waited for, not begun again.
    if (Connecting() || BeginConnect()) {
        WaitUntil([this] { return !Connecting(); }, deadline);
        if (Ready())
            return m_pContext;
    }
    Disconnect();
    ScheduleRetry();
    return nullptr;
}

std::vector<DeviceInfo> PulseConnection::Devices(Direction dir, Deadline deadline)
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

void PulseConnection::Watch(QObject* target)
{
    if (!target || std::find(m_watchers.begin(), m_watchers.end(), target) != m_watchers.end())
        return;
    if (m_watchers.empty())
        m_told = Devices(Direction::Capture, ReplyDeadline());
    m_watchers.push_back(target);
    if (Ready())
        Subscribe();
    else
        ScheduleRetry();
}

void PulseConnection::Unwatch(QObject* target)
{
    std::erase(m_watchers, target);
    if (m_watchers.empty())
        CancelRetry();
}

void PulseConnection::OnState()
{
    Signal();
    if (m_watchers.empty())
        return;
    if (Ready()) {
        Subscribe();
    } else if (!Connecting()) {
        // The server went away (or never answered): no devices until it is back.
        Tell({});
        ScheduleRetry();
    }
}

void PulseConnection::Subscribe()
{
    if (!m_bSubscribed) {
        // Not waited for: a lost subscription loses change events, nothing else.
        if (pa_operation* op = pa_context_subscribe(m_pContext, PA_SUBSCRIPTION_MASK_SOURCE, nullptr, nullptr)) {
            pa_operation_unref(op);
            m_bSubscribed = true;
        }
    }
    // What changed before the subscription took effect is seen here.
    ListSources();
}

void PulseConnection::ListSources()
{
    if (m_watchers.empty() || !Ready())
        return;
    if (m_bListing) {
        m_bListAgain = true;
        return;
    }
    m_listing.clear();
    pa_operation* op = pa_context_get_source_info_list(
        m_pContext,
        [](pa_context*, const pa_source_info* info, int eol, void* self) {
            auto* connection = static_cast<PulseConnection*>(self);
            if (eol == 0 && info)
                connection->m_listing.push_back(Listed(*info));
            else if (eol != 0)
                connection->OnSourcesListed(eol);
        },
        this);
    if (!op)
        return;
    m_bListing = true;
    pa_operation_unref(op);
}

void PulseConnection::OnSourcesListed(int eol)
{
    m_bListing = false;
    // A failed list: the context is failing, and its state callback says so.
    if (eol < 0)
        return;
    if (m_bListAgain) {
        m_bListAgain = false;
        ListSources();
        return;
    }
    Tell(std::move(m_listing));
}

void PulseConnection::Tell(std::vector<DeviceInfo> devices)
{
    // Source events also come for volume and mute changes: only a new list is news.
    if (devices == m_told)
        return;
    m_told = std::move(devices);
    for (QObject* watcher : m_watchers)
        QCoreApplication::postEvent(watcher, new DeviceListEvent);
}

void PulseConnection::ScheduleRetry()
{
    if (m_pRetry || m_watchers.empty() || !m_loop.Usable())
        return;
    pa_mainloop_api* api = m_loop.Api();
    timeval when{};
    pa_timeval_add(pa_gettimeofday(&when),
                   static_cast<pa_usec_t>(std::chrono::microseconds(RETRY_INTERVAL).count()));
    m_pRetry = api->time_new(
        api, &when,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
            static_cast<PulseConnection*>(self)->OnRetry();
        },
        this);
}

void PulseConnection::CancelRetry()
{
    if (!m_pRetry)
        return;
    m_loop.Api()->time_free(m_pRetry);
    m_pRetry = nullptr;
}

void PulseConnection::OnRetry()
{
    CancelRetry();
    if (m_watchers.empty() || Ready())
        return;
    // A connection still not ready after a whole interval is as good as failed.
    BeginConnect();
    ScheduleRetry();
}

void PulseConnection::CountStreams(int change)
{
    m_nStreams += change;
    UpdateGathering();
}

void PulseConnection::CountStreaming(int change)
{
    m_nStreaming += change;
    UpdateGathering();
}

void PulseConnection::CountUnwatched(int change)
{
    m_nUnwatched += change;
    UpdateGathering();
}

void PulseConnection::Post(QObject* target, WaveEvent* event)
{
    if (m_held.empty())
        m_tHeldSince = std::chrono::steady_clock::now();
    m_held.emplace_back(target, event);
    if (!m_loop.InLoop())
        PostHeld();
}

bool PulseConnection::PostHeld()
{
    for (const auto& [target, event] : m_held)
        QCoreApplication::postEvent(target, event);
    const bool any = !m_held.empty();
    m_bPosted = m_bPosted || any;
    m_held.clear();
    return any;
}

bool PulseConnection::Collect(QObject* watcher, const IWaveStream::Take& take)
{
    {
        Lock lock(*this);
        m_loop.Pump();
        if (m_held.empty())
            return false; // half the frames: nothing came since the last
    }
    const QPointer<QObject> alive(watcher);
    bool any = false;
    while (alive) {
        std::unique_ptr<WaveEvent> event;
        {
            Lock lock(*this);
            if (m_held.empty())
                break;
            any = true;
            if (m_bPosted || m_held.front().first != watcher) {
                PostHeld();
                // The watcher takes in all posted until now.
                m_bPosted = false;
                break;
            }
            event.reset(m_held.front().second);
            m_held.erase(m_held.begin());
        }
        take(*event);
    }
    return any;
}

int PulseConnection::BeforeWait(bool gathering)
{
    if (m_held.empty())
        return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_tHeldSince + HOLD_LIMIT -
                                                                   std::chrono::steady_clock::now());
    if (!gathering || m_nUnwatched > 0 || left.count() <= 0) {
        PostHeld();
        return -1;
    }
    return static_cast<int>(left.count());
}

void PulseConnection::UpdateGathering()
{
    const bool gather = m_nStreaming > 0 && m_nStreaming == m_nStreams;
    const auto interval = m_nUnwatched == m_nStreams ? UNWATCHED_GATHER_INTERVAL : GATHER_INTERVAL;
    m_loop.Gather(gather ? interval : std::chrono::milliseconds(0));
    // Watched sound is taken in by the watcher's frames: the loop's thread may sleep.
    m_loop.Lend(gather && m_nUnwatched == 0);
}

} // namespace platform

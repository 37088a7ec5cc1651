#pragma once
// The mixer's own connection to the sound server: one threaded main loop, one context,
// and the questions the mixer asks about sources. Kept apart from the audio backend's
// connection so that neither depends on the other's internals.
//
// Every wait has a deadline, at most TIMEOUT after the call began: a server that does not
// answer in time is dropped (the context is disconnected), so the calls after it fail at
// once instead of waiting again, until an entry point of the backend connects anew.

#include "platform/mixer/pulse/PulseSource.h"
#include "platform/pulse/PulseLoop.h"

#include <QByteArray>

#include <pulse/context.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Told, on the main loop's thread with the loop locked, what a watched source is now.
class PulseSourceWatcher {
public:
    virtual std::uint32_t WatchedSource() const = 0;
    virtual void SourceChanged(const PulseSource& source) = 0;

protected:
    ~PulseSourceWatcher() = default;
};

class PulseMixerConnection {
public:
    using Clock = PulseLoop::Clock;
    static constexpr std::chrono::milliseconds TIMEOUT{1000};
    // When a request made now must have been answered.
    static Clock::time_point Deadline() { return Clock::now() + TIMEOUT; }

    // server: where to connect; empty for the client's default (PULSE_SERVER, ...).
    explicit PulseMixerConnection(QByteArray server);
    ~PulseMixerConnection();
    PulseMixerConnection(const PulseMixerConnection&) = delete;
    PulseMixerConnection& operator=(const PulseMixerConnection&) = delete;

    // Holds the main-loop lock for one scope. Every member below except the constructor
    // and destructor must be called with it held, from the UI thread.
    class Lock {
    public:
        explicit Lock(PulseMixerConnection& connection) : m_lock(connection.m_loop) {}

    private:
        PulseLoop::Lock m_lock;
    };

    // The ready context, connecting anew when there is none; nullptr when the server does
    // not answer by the deadline.
    pa_context* Connect(Clock::time_point deadline);
    // The ready context of this generation, without connecting; nullptr when it is gone.
    pa_context* Ready(std::uint64_t generation);
    // Counts the contexts made, so a mixer opened on one never uses the next.
    std::uint64_t Generation() const { return m_nGeneration; }

    // The sources in the server's order, monitors included.
    std::optional<std::vector<PulseSource>> Sources(pa_context* context, Clock::time_point deadline);
    std::optional<PulseSource> Source(pa_context* context, std::uint32_t index, Clock::time_point deadline);
    std::optional<std::string> DefaultSourceName(pa_context* context, Clock::time_point deadline);
    bool SetVolume(pa_context* context, std::uint32_t index, const pa_cvolume& volume, Clock::time_point deadline);
    bool SetMute(pa_context* context, std::uint32_t index, bool mute, Clock::time_point deadline);
    bool SetPort(pa_context* context, std::uint32_t index, const std::string& port, Clock::time_point deadline);

    void AddWatcher(PulseSourceWatcher* watcher);
    void RemoveWatcher(PulseSourceWatcher* watcher);

private:
    static void OnState(pa_context* context, void* userdata);
    static void OnEvent(pa_context* context, pa_subscription_event_type_t type, std::uint32_t index, void* userdata);
    static void OnWatchedSource(pa_context* context, const pa_source_info* info, int eol, void* userdata);

    // Waits for an operation and releases it. A request that could not be sent, or one not
    // finished by the deadline (the server is then dropped), answers false.
    bool Finish(pa_operation* operation, Clock::time_point deadline);
    bool FinishSuccess(pa_operation* operation, const bool& success, Clock::time_point deadline);
    void Disconnect();

    QByteArray m_server;
    PulseLoop m_loop;
    pa_context* m_pContext = nullptr;
    std::uint64_t m_nGeneration = 0;
    std::vector<PulseSourceWatcher*> m_watchers;
};

} // namespace platform

#pragma once
// The one threaded main loop of the PulseAudio backend and its connection to the server.
// The UI thread asks the server questions synchronously, but one call of the backend never
// waits longer than REPLY_TIMEOUT in all: a server that does not answer makes a device
// list empty, it does not freeze the window.
//
// While someone watches the capture devices, the main-loop thread follows the server's
// source events on the same context, compares the list with the one the watchers were last
// told of, and posts a DeviceListEvent when it differs. A server that goes away is looked
// for again every RETRY_INTERVAL, so the list comes back when the server does.

#include "platform/audio/AudioBackend.h"
#include "platform/pulse/PulseLoop.h"

#include <QString>

#include <pulse/context.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

class PulseConnection {
public:
    static constexpr std::chrono::milliseconds REPLY_TIMEOUT{1000};
    static constexpr std::chrono::milliseconds RETRY_INTERVAL{1000};
    using Deadline = std::chrono::steady_clock::time_point;
    // The deadline of a backend call that starts now.
    static Deadline ReplyDeadline() { return std::chrono::steady_clock::now() + REPLY_TIMEOUT; }

    // Starts the main loop; the server is first contacted when something is asked.
    PulseConnection();
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    // Holds the main-loop lock for one scope. Every member below except the constructor and
    // destructor must be called with it held, from a thread other than the main loop's.
    class Lock {
    public:
        explicit Lock(PulseConnection& connection) : m_lock(connection.m_loop) {}

    private:
        PulseLoop::Lock m_lock;
    };

    // A ready context: the current one, or a new one when there is none yet or the last one
    // failed (the server went away and may have come back). nullptr when no server answers
    // by the deadline.
    pa_context* Context(Deadline deadline);

    // The sources (capture, monitors included) or sinks (playback), in the server's order;
    // the id is the server's name, what a stream connects to. Empty when no server answers.
    std::vector<DeviceInfo> Devices(Direction dir, Deadline deadline);

    void Watch(QObject* target);
    void Unwatch(QObject* target);

    // Waits on the main loop until done() holds or the deadline has passed; false on
    // timeout. Callbacks that change what done() looks at must call Signal().
    bool WaitUntil(const std::function<bool()>& done, Deadline deadline) { return m_loop.WaitUntil(done, deadline); }
    // Waits for an operation to finish and releases it; a late one is cancelled, so its
    // callback never runs after this returns. nullptr (a request that could not be sent)
    // answers false.
    bool Finish(pa_operation* operation, Deadline deadline) { return m_loop.Finish(operation, deadline); }

    // From main-loop callbacks: wakes WaitUntil.
    void Signal() { m_loop.Signal(); }
    // For timer events on the main loop (freed through it too).
    pa_mainloop_api* Api() const { return m_loop.Api(); }

    // Streams made on this connection, and those of them that are captures between their
    // edges, which wait for nothing: while every stream is such a capture, the main loop
    // gathers what the server sends for GATHER_INTERVAL. A little less than the live
    // display's frame period: each batch of buffers then brings a frame with it.
    static constexpr std::chrono::milliseconds GATHER_INTERVAL{36};
    // While nobody watches any of them, only the files wait for the sound.
    static constexpr std::chrono::milliseconds UNWATCHED_GATHER_INTERVAL{150};
    void CountStreams(int change);
    void CountStreaming(int change);
    void CountUnwatched(int change);

    // Posts a stream's event to its target. From the main loop's callbacks it is held until
    // the loop waits again, so that the buffers of one batch wake the UI thread once rather
    // than once each; and while every stream is a watched capture between its edges, until
    // the watcher collects it at its next frame (Collect), at most HOLD_LIMIT: the frame's
    // wake-up then brings the sound too. From any other thread it goes at once, after those
    // held, in order.
    static constexpr std::chrono::milliseconds HOLD_LIMIT{200};
    void Post(QObject* target, WaveEvent* event);
    // Posts what is held now (before a target may go away); true when there was anything.
    bool PostHeld();
    // For the watcher's frame, from its own thread. While every stream is a watched capture
    // between its edges, the main loop runs here first (PulseLoop::Pump): the frame takes the
    // sound from the server itself, and the loop's thread sleeps. Then what is held, oldest
    // first. Events for the watcher go straight to `take` while nothing posted may still wait
    // in its queue ahead of them: posting each would cost the watcher's thread a write, a turn
    // of its loop and a pass through the application's event filters. The rest is posted, and
    // the watcher takes it in (sendPostedEvents). One event is taken at a time, so that a loop
    // run by a handler meanwhile finds the rest still held, in order. True when there was
    // anything.
    bool Collect(QObject* watcher, const IWaveStream::Take& take);

private:
    bool Ready() const;
    bool Connecting() const;
    // Starts connecting a new context without waiting for it.
    bool BeginConnect();
    void Disconnect();

    // Main-loop callbacks (and the UI thread, with the lock held).
    void OnState();
    void Subscribe();
    void ListSources();
    void OnSourcesListed(int eol);
    void Tell(std::vector<DeviceInfo> devices);
    void ScheduleRetry();
    void OnRetry();
    void CancelRetry();
    void UpdateGathering();
    // The main loop's thread, about to wait: see PulseLoop::SetBeforeWait.
    int BeforeWait(bool gathering);

    PulseLoop m_loop;
    pa_context* m_pContext = nullptr;

    std::vector<QObject*> m_watchers;
    // The capture devices the watchers were last told of.
    std::vector<DeviceInfo> m_told;
    // Per context: the source events are asked for, a list is on its way (and another is
    // wanted after it, as the sources changed meanwhile).
    bool m_bSubscribed = false;
    bool m_bListing = false;
    bool m_bListAgain = false;
    std::vector<DeviceInfo> m_listing;
    pa_time_event* m_pRetry = nullptr;
    int m_nStreams = 0;
    int m_nStreaming = 0;
    int m_nUnwatched = 0;
    std::vector<std::pair<QObject*, WaveEvent*>> m_held;
    // Something was posted that a watcher may not have taken in yet: at first, the stream's
    // open may be.
    bool m_bPosted = true;
    Deadline m_tHeldSince;
};

} // namespace platform

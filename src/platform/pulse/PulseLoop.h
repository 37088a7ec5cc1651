#pragma once
// A PulseAudio main loop on a thread of its own, and the waits on it that the UI thread
// makes: both the audio backend and the mixer run one. No call waits past its deadline, so
// a server that does not answer cannot freeze the window.
//
// The loop's callbacks run with its lock held; the thread lets the lock go only while it
// waits for the server. It is our own rather than libpulse's threaded loop so that it can
// gather: while sound only streams in, the thread wakes at most once in a gathering
// interval and takes in everything the server sent meanwhile, instead of once for every
// piece (a card paced source sends one every 10 ms, and each wake-up costs more than
// moving the sound does). And so that it can lend itself to a watcher that wakes for its
// frames anyway (Lend, Pump).

#include "platform/pulse/LoopEvents.h"

#include <pulse/operation.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace platform {

class PulseLoop {
public:
    using Clock = std::chrono::steady_clock;

    // Starts the loop's thread. Without one (no memory, no thread) the loop is not usable.
    PulseLoop();
    ~PulseLoop();
    PulseLoop(const PulseLoop&) = delete;
    PulseLoop& operator=(const PulseLoop&) = delete;

    // False without a loop, and in a child forked from this process: the loop's thread is
    // not there, its lock may be held for ever and its contexts' sockets are the parent's.
    bool Usable() const;
    // For making contexts; only while usable.
    pa_mainloop_api* Api() const;

    // Holds the loop's lock for one scope (nothing when the loop is not usable). The waits
    // below must be made with it held, from a thread other than the loop's.
    class Lock {
    public:
        explicit Lock(const PulseLoop& loop);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        const PulseLoop* m_pLoop;
    };

    // From the loop's callbacks: wakes WaitUntil.
    void Signal();
    // Waits until done() holds or the deadline has passed; false on timeout. Callbacks that
    // change what done() looks at must call Signal(). The loop does not gather meanwhile.
    bool WaitUntil(const std::function<bool()>& done, Clock::time_point deadline);
    // Waits for an operation to finish and releases it; a late one is cancelled, so its
    // callback never runs after this returns. True when it finished as done; nullptr (a
    // request that could not be sent) answers false. timedOut: whether it was late.
    bool Finish(pa_operation* operation, Clock::time_point deadline, bool* timedOut = nullptr);

    // Gathering: the thread wakes at most once in interval while anything the server sends
    // is waiting; zero wakes it for everything, at once. Timers on the loop keep their time.
    void Gather(std::chrono::milliseconds interval);

    // Run by the loop's thread, with the lock held, each time it is about to wait, told
    // whether it gathers: what the callbacks of one batch held back goes out together. It
    // answers how long the loop may wait before it runs again, in ms (-1: as long as it
    // likes). Set with the lock held.
    using BeforeWait = std::function<int(bool gathering)>;
    void SetBeforeWait(BeforeWait hook) { m_beforeWait = std::move(hook); }
    bool InLoopThread() const { return m_pThread && std::this_thread::get_id() == m_pThread->get_id(); }

    // Lending: while the only thing the loop serves is sound that a watcher takes in at its
    // own frames anyway, the watcher runs the loop at each frame (Pump) and the loop's thread
    // sleeps, instead of waking for every piece the server sends as well. The owner says when
    // lending is allowed, with the lock held.
    void Lend(bool lendable);
    // From the watcher's thread, with the lock held: runs whatever is due on the loop, without
    // waiting. The first pump only asks for the loop; the thread hands it over the next time
    // it would wait. It takes it back for any wait on the loop, when lending ends, and when no
    // pump came for PARK_LIMIT: a watcher that stalls does not leave the sound in the server.
    // True when this pump ran the loop.
    static constexpr std::chrono::milliseconds PARK_LIMIT{1000};
    bool Pump();
    // In one of the loop's callbacks, whichever thread runs it; with the lock held.
    bool InLoop() const { return m_bPumping || InLoopThread(); }

private:
    void Run();
    // One turn of the loop, as pa_mainloop_iterate: what it ran, -1 once quit.
    int Iterate(bool block);
    bool Lent() const { return m_bLendable && m_bBorrowed && m_nWaiting.load(std::memory_order_relaxed) == 0; }
    void Park(std::unique_lock<std::recursive_mutex>& lock);
    // The loop's poll: lets the lock go while it waits, and holds back a wake-up that comes
    // within the gathering interval of the last one.
    int Poll(struct pollfd* fds, unsigned long count, int timeout);
    void Hurry();

    int m_nForks; // the forks made when it was, in this process
    std::unique_ptr<LoopEvents> m_pEvents;
    mutable std::recursive_mutex m_mutex;
    std::condition_variable_any m_signal;
    // Left alone in a forked child, where it does not run.
    std::unique_ptr<std::thread> m_pThread;
    // Wakes a held-back poll: waits and the end of gathering must not sit out an interval.
    int m_nHurryFd = -1;
    std::atomic<int> m_nGatherMs{0};
    std::atomic<int> m_nWaiting{0};
    Clock::time_point m_tLastWake; // the loop's thread only
    // Nothing came during the last interval waited out: the source sends less often.
    bool m_bPieceAtATime = false; // the loop's thread only
    BeforeWait m_beforeWait;
    // Lending, all under the lock: allowed, asked for by a pump, the thread asleep for it, a
    // pump is running the loop, the last pump.
    std::condition_variable_any m_park;
    bool m_bLendable = false;
    bool m_bBorrowed = false;
    bool m_bParked = false;
    bool m_bPumping = false;
    Clock::time_point m_tLastPump;
};

} // namespace platform

#pragma once
// A PulseAudio threaded main loop, and the waits on it that the UI thread makes: both the
// audio backend and the mixer run one. No call waits past its deadline, so a server that
// does not answer cannot freeze the window.

#include <pulse/operation.h>
#include <pulse/thread-mainloop.h>

#include <chrono>
#include <functional>

#include <sys/types.h>

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
        pa_threaded_mainloop* m_pLoop;
    };

    // From the loop's callbacks: wakes WaitUntil.
    void Signal();
    // Waits until done() holds or the deadline has passed; false on timeout. Callbacks that
    // change what done() looks at must call Signal().
    bool WaitUntil(const std::function<bool()>& done, Clock::time_point deadline);
    // Waits for an operation to finish and releases it; a late one is cancelled, so its
    // callback never runs after this returns. True when it finished as done; nullptr (a
    // request that could not be sent) answers false. timedOut: whether it was late.
    bool Finish(pa_operation* operation, Clock::time_point deadline, bool* timedOut = nullptr);

private:
    pid_t m_nOwner;
    pa_threaded_mainloop* m_pLoop;
};

} // namespace platform

#pragma once
// The events libpulse asks a main loop for (sockets, timers, deferred calls) and their
// dispatch, for PulseLoop. Our own rather than libpulse's pa_mainloop, which writes its
// wake-up pipe at every change of an event and reads it at every turn: a few system calls
// for each message the server sends, on a loop that only needs waking when another thread
// changes something while it waits.
//
// One turn is Prepare, a poll of PollSet() (skipped when Prepare answers Deferred()), then
// Dispatch, as in pa_mainloop; the owner holds its lock around all three and around every
// call libpulse makes into the events.

#include <pulse/mainloop-api.h>

#include <functional>
#include <memory>
#include <vector>

#include <poll.h>

namespace platform {

class LoopEvents {
public:
    // inLoop: whether the calling thread is the one running the turns; a change made from
    // any other thread wakes the poll.
    explicit LoopEvents(std::function<bool()> inLoop);
    // Frees the events left, with their destroy callbacks, as pa_mainloop_free does.
    ~LoopEvents();
    LoopEvents(const LoopEvents&) = delete;
    LoopEvents& operator=(const LoopEvents&) = delete;

    // False when the wake-up could not be made.
    bool Usable() const { return m_nWakeFd >= 0; }
    pa_mainloop_api* Api() { return &m_api; }

    // Fills the poll set and answers how long the poll may wait, in ms (-1: until something
    // comes); 0 without block. Frees the events freed since the last turn first.
    int Prepare(bool block);
    // Deferred calls are due: the turn runs them without polling.
    bool Deferred() const;
    std::vector<pollfd>& PollSet() { return m_pollSet; }
    // Runs what is due after a poll that answered ready (0 when it was skipped); answers how
    // many callbacks ran, -1 once quit.
    int Dispatch(int ready);

    // Ends the turns (the api's quit, or the owner's) and wakes the poll.
    void Quit();
    bool Quitting() const { return m_bQuit; }
    // Wakes a poll of the set from another thread.
    void Wake();

private:
    void Changed();
    void Sweep(bool all);

    std::function<bool()> m_inLoop;
    pa_mainloop_api m_api{};
    int m_nWakeFd = -1;
    bool m_bQuit = false;
    bool m_bDead = false; // something was freed since the last sweep
    std::vector<std::unique_ptr<pa_io_event>> m_io;
    std::vector<std::unique_ptr<pa_time_event>> m_timers;
    std::vector<std::unique_ptr<pa_defer_event>> m_defers;
    std::vector<pollfd> m_pollSet; // the wake-up first, then the sockets
    std::vector<pa_io_event*> m_polled; // the io event of each socket in the poll set
};

} // namespace platform

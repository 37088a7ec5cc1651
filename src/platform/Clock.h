#pragma once
// The one clock of the program's windows: "now" in seconds, and the ticks of their window
// timers. A test puts a ManualClock in its place and runs hours of schedule in an instant,
// or a ShiftedClock to move the wall clock while the real timers tick on.

#include <cstdint>
#include <vector>

namespace platform {

class WindowTimers;

// Seconds since 1970-01-01 00:00:00 UTC.
std::int64_t CurrentTime();
// The same moment in milliseconds: where a file is named to the millisecond.
std::int64_t CurrentTimeMs();
// Milliseconds on a clock that only moves forward (from an arbitrary start): the time
// between display frames. A ManualClock answers its own.
std::int64_t MonotonicMs();

// While alive, CurrentTime answers this clock's time and window timers tick only when it
// is advanced. Clocks nest, as message recorders do; window timers started before it came
// keep their real ticks.
class ManualClock {
public:
    explicit ManualClock(std::int64_t now);
    ~ManualClock();
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    static ManualClock* Current();

    std::int64_t Now() const { return m_nNowMs / 1000; }
    std::int64_t NowMs() const { return m_nNowMs; }
    // Moves time on, delivering every timer tick that falls due on the way, in order, each
    // at its own moment.
    void Advance(std::int64_t milliseconds);
    void AdvanceSeconds(std::int64_t seconds) { Advance(seconds * 1000); }
    // Moves the wall clock by seconds, either way, with no tick: timers measure intervals,
    // not the time of day, so they stand still through a corrected clock or a suspend.
    void Jump(std::int64_t seconds);

    // For WindowTimers.
    void Start(WindowTimers* timers, int id, int milliseconds);
    void Stop(WindowTimers* timers, int id);
    void Forget(const WindowTimers* timers);

private:
    struct Timer {
        WindowTimers* timers;
        int id;
        std::int64_t periodMs;
        std::int64_t dueMs;
        std::uint64_t order; // ties go to the timer started first
    };

    std::int64_t m_nNowMs;
    std::uint64_t m_nStarted = 0;
    std::vector<Timer> m_timers;
    ManualClock* m_pPrevious;
};

// While alive, CurrentTime answers the system clock moved by the seconds Jump gave it,
// and window timers keep their real ticks: a clock corrected while the program runs.
class ShiftedClock {
public:
    ShiftedClock();
    ~ShiftedClock();
    ShiftedClock(const ShiftedClock&) = delete;
    ShiftedClock& operator=(const ShiftedClock&) = delete;

    void Jump(std::int64_t seconds);
};

} // namespace platform

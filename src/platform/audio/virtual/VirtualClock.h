#pragma once
// The virtual devices' sense of time: real time (or an injected clock) scaled by a speed.
// Speed 0 stops it, which is what makes manual mode deterministic.

#include <QElapsedTimer>

#include <cstdint>
#include <functional>

namespace platform {

class VirtualClock {
public:
    // Monotonic nanoseconds.
    using Source = std::function<std::int64_t()>;

    VirtualClock();

    // nullptr goes back to the process's monotonic clock.
    void SetSource(Source source);
    void SetSpeed(double speed);
    // Stops time where it was last read, without reading it again: an injected source may
    // already be gone, as when the backend that owns this clock is being destroyed.
    void Stop();
    double Speed() const { return m_speed; }
    // Virtual nanoseconds since the clock was made; stands still while the speed is 0.
    std::int64_t Now() const;

    // Whole frames that fit in a span of virtual time at a rate, without overflow for any span.
    static std::uint64_t FramesIn(std::int64_t ns, unsigned rate);

private:
    std::int64_t Real() const;
    // Virtual time at a reading of the real clock, in the current segment.
    std::int64_t At(std::int64_t real) const;
    // Speed changes start a new segment, so the frames due are computed from the segment's
    // start rather than summed tick by tick: rounding never accumulates.
    void Rebase();

    Source m_source;
    QElapsedTimer m_elapsed;
    double m_speed = 0.0;
    std::int64_t m_nVirtualBase = 0;
    std::int64_t m_nRealBase = 0;
    mutable std::int64_t m_nLastReal = 0;
};

} // namespace platform

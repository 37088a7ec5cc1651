#pragma once
// A window's timers by fixed id, as the recorder's windows number them: starting an id
// that runs restarts it, killing one that does not run does nothing. Each tick arrives as
// the owner's timerEvent; IdOf turns it back into the id. While a ManualClock stands in for
// the system clock, the timers started then tick as that clock is advanced.

#include <QBasicTimer>

#include <map>

class QObject;
class QTimerEvent;

namespace platform {

class ManualClock;

class WindowTimers {
public:
    explicit WindowTimers(QObject* owner) : m_pOwner(owner) {}
    ~WindowTimers();
    WindowTimers(const WindowTimers&) = delete;
    WindowTimers& operator=(const WindowTimers&) = delete;

    void Set(int id, int milliseconds);
    void Kill(int id);
    bool IsSet(int id) const;
    // The id of the timer that sent e, or 0 when it is none of these.
    int IdOf(const QTimerEvent* e) const;

    // For ManualClock: one tick of id, and the end of the clock that drove it.
    void Deliver(int id);
    void ClockGone(int id);

private:
    struct Timer {
        QBasicTimer real;
        ManualClock* pClock = nullptr; // set while a manual clock drives this timer
    };

    QObject* m_pOwner;
    std::map<int, Timer> m_timers;
};

} // namespace platform

#pragma once
// A window's timers by fixed id, as the recorder's windows number them: starting an id
// that runs restarts it, killing one that does not run does nothing. Each tick arrives as
// the owner's timerEvent; IdOf turns it back into the id. While a ManualClock stands in for
// the system clock, the timers started then tick as that clock is advanced.
//
// Direct timers tick many times a second (the live display's frames). Where the event loop
// is GLib's, as on the desktop, each of their ticks comes from a source of that loop straight
// to the owner's event(), past the application's event delivery and its filters: that
// delivery, for one tick, costs as much as a display frame's trace. Elsewhere they are plain
// timers.

#include <QBasicTimer>

#include <map>

class QObject;
class QTimerEvent;
typedef struct _GSource GSource;

namespace platform {

class ManualClock;

class WindowTimers {
public:
    enum class Delivery { Event, Direct };
    explicit WindowTimers(QObject* owner, Delivery delivery = Delivery::Event) : m_pOwner(owner), m_delivery(delivery) {}
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
        GSource* pSource = nullptr; // set while the event loop's own source drives it
    };
    struct TickSource;
    bool StartSource(int id, Timer& timer, int milliseconds);

    QObject* m_pOwner;
    Delivery m_delivery;
    std::map<int, Timer> m_timers;
};

} // namespace platform

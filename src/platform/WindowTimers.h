#pragma once
// A window's timers by fixed id, as the recorder's windows number them: starting an id
// that runs restarts it, killing one that does not run does nothing. Each tick arrives as
// the owner's timerEvent; IdOf turns it back into the id.

#include <QBasicTimer>

#include <map>

class QObject;
class QTimerEvent;

namespace platform {

class WindowTimers {
public:
    explicit WindowTimers(QObject* owner) : m_pOwner(owner) {}

    void Set(int id, int milliseconds);
    void Kill(int id);
    bool IsSet(int id) const;
    // The id of the timer that sent e, or 0 when it is none of these.
    int IdOf(const QTimerEvent* e) const;

private:
    QObject* m_pOwner;
    std::map<int, QBasicTimer> m_timers;
};

} // namespace platform

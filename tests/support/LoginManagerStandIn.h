#pragma once
// A login manager of our own on a private bus, for the sleep lock: a dbus-daemon started
// for the test, reached through DBUS_SYSTEM_BUS_ADDRESS, where a stand-in owns
// org.freedesktop.login1 and answers Inhibit with one end of a pipe. A lock counts as
// released once every copy of that end is closed. It also keeps the session this process
// belongs to (found by GetSessionByPID), with the LockedHint of a locked screen.

#include "support/PrivateBus.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace tests {

struct InhibitCall {
    QString what;
    QString who;
    QString why;
    QString mode;
};

class LoginManagerStandIn {
public:
    // answer: a login manager takes the name; else the bus runs without one.
    explicit LoginManagerStandIn(bool answer = true);
    ~LoginManagerStandIn();
    LoginManagerStandIn(const LoginManagerStandIn&) = delete;
    LoginManagerStandIn& operator=(const LoginManagerStandIn&) = delete;

    // Empty when the bus and the stand-in run; else what went wrong.
    QString Failure() const { return m_strFailure; }
    QString Address() const { return m_strAddress; }
    // Sends the wake from a suspend, PrepareForSleep(false).
    void Resume();
    // Locks or unlocks the session's screen: its LockedHint, and the PropertiesChanged
    // that tells of it.
    void SetLocked(bool locked);
    bool IsLocked() const { return m_bLocked; }

    // Every Inhibit call answered, in order.
    std::vector<InhibitCall> Calls() const;
    // The reasons of the locks not yet released.
    std::vector<QString> HeldReasons() const;

    // For the service: a new lock for call, the descriptor to hand out.
    int Grant(const InhibitCall& call);

private:
    struct Lock {
        InhibitCall call;
        int readEnd;
    };

    // Outlives the service's thread and connection.
    PrivateBus m_bus{"DBUS_SYSTEM_BUS_ADDRESS"};
    QThread m_serviceThread;
    QString m_strFailure;
    QString m_strAddress;
    mutable std::mutex m_mutex;
    std::vector<Lock> m_locks;
    std::atomic<bool> m_bLocked{false};
};

} // namespace tests

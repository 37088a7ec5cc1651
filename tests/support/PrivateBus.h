#pragma once
// A dbus-daemon of the test's own, standing for the session bus (or the system bus) while
// it lives: the variable that names the bus points at it, and is put back after. Anyone may
// own any name on it, and nothing is started on demand.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace tests {

class PrivateBus {
public:
    // variable: DBUS_SESSION_BUS_ADDRESS or DBUS_SYSTEM_BUS_ADDRESS.
    explicit PrivateBus(const char* variable = "DBUS_SESSION_BUS_ADDRESS");
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when the bus runs; else what went wrong.
    QString Failure() const { return m_strFailure; }
    QString Address() const { return m_strAddress; }

private:
    QByteArray m_variable;
    QByteArray m_previous;
    bool m_bHadPrevious = false;
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_strFailure;
    QString m_strAddress;
};

} // namespace tests

#pragma once
// Keeps the computer from going to sleep while the recorder needs it awake: a sleep lock
// ("block" mode) from the login manager, org.freedesktop.login1 on the system bus, held as
// the file descriptor it hands out and released by closing it. Where there is no login
// manager (a container, a build machine) nothing is held and nothing is said.

#include <QString>

namespace platform {

class SleepInhibitor {
public:
    SleepInhibitor() = default;
    ~SleepInhibitor();
    SleepInhibitor(const SleepInhibitor&) = delete;
    SleepInhibitor& operator=(const SleepInhibitor&) = delete;

    // Holds the lock with why as its reason (shown to the user by the desktop when it is
    // asked to sleep). A lock held for another reason is replaced, the new one taken
    // before the old is let go so the machine is never left unguarded between them.
    void Hold(const QString& why);
    void Release();

    bool IsHeld() const { return m_nLock >= 0; }
    // The reason of the lock held, or empty.
    QString Why() const { return m_strWhy; }

private:
    int m_nLock = -1;
    QString m_strWhy;
};

} // namespace platform

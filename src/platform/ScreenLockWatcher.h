#pragma once
// Says whether anyone can see the screen: not while the desktop session is locked (the
// login manager's LockedHint of this program's session, org.freedesktop.login1 on the
// system bus) nor while a screensaver runs (ActiveChanged of org.freedesktop.ScreenSaver
// or org.gnome.ScreenSaver on the session bus, for desktops that keep no LockedHint).
// Each is asked once without waiting and then followed; where none answers the screen
// counts as seen, and nothing is said.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>

class QDBusMessage;
class QDBusPendingCall;

namespace platform {

class ScreenLockWatcher : public QObject {
    Q_OBJECT
public:
    ScreenLockWatcher();
    ~ScreenLockWatcher() override;

    bool IsLocked() const { return m_bLocked; }

signals:
    void LockedChanged(bool locked);

private:
    enum Source : int { SESSION_LOCK, FREEDESKTOP_SAVER, GNOME_SAVER, SOURCES };

    void WatchSession();
    void WatchScreenSavers();
    // Follows the session at path: its LockedHint now, and each change of it.
    void FollowSession(const QString& path);
    void ReadLockedHint();
    // Runs done with the reply of call once it comes, or failed on an error (by default
    // nothing: an error is dropped in silence).
    void OnReply(const QDBusPendingCall& call, std::function<void(const QDBusMessage&)> done,
                 std::function<void()> failed = {});
    void Set(Source source, bool locked);

    // Called by name from the bus: D-Bus signals have no function-pointer connection.
    Q_SLOT void OnSessionProperties(const QString& interface, const QVariantMap& changed,
                                    const QStringList& invalidated);
    Q_SLOT void OnFreedesktopSaver(bool active) { Set(FREEDESKTOP_SAVER, active); }
    Q_SLOT void OnGnomeSaver(bool active) { Set(GNOME_SAVER, active); }

    QString m_strSystemConnection;
    QString m_strSessionConnection;
    QString m_strSessionPath;
    bool m_bSource[SOURCES] = {false, false, false};
    bool m_bLocked = false;
};

} // namespace platform

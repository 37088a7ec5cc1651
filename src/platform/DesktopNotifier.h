#pragma once
// Tells the desktop what happened while the user may be away: a notification through the
// desktop's notification server (org.freedesktop.Notifications on the session bus). Each
// is sent without waiting for an answer, so a slow server never holds up the window;
// without a session bus or a server nothing is shown and nothing is said.

#include <QString>

namespace platform {

class DesktopNotifier {
public:
    DesktopNotifier(const QString& appName, const QString& iconName);
    ~DesktopNotifier();
    DesktopNotifier(const DesktopNotifier&) = delete;
    DesktopNotifier& operator=(const DesktopNotifier&) = delete;

    // A failure stays on screen until the user dismisses it; other news goes as the
    // desktop lets it.
    enum class Urgency : unsigned char { Normal = 1, Critical = 2 };
    void Notify(const QString& summary, const QString& body, Urgency urgency = Urgency::Normal);

private:
    QString m_strAppName;
    QString m_strIcon;
    QString m_strConnection;
};

} // namespace platform

#include "platform/DesktopNotifier.h"

#include "platform/BusAddress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace platform {

DesktopNotifier::DesktopNotifier(const QString& appName, const QString& iconName)
    : m_strAppName(appName), m_strIcon(iconName),
      m_strConnection(QStringLiteral("tessavox-notifier-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
}

DesktopNotifier::~DesktopNotifier()
{
    QDBusConnection::disconnectFromBus(m_strConnection);
}

void DesktopNotifier::Notify(const QString& summary, const QString& body, Urgency urgency)
{
    // Connected at the first notification and kept; a bus that was not there is looked for
    // again next time.
    QDBusConnection bus(m_strConnection);
    if (!bus.isConnected()) {
        QDBusConnection::disconnectFromBus(m_strConnection);
        const QString address = SessionBusAddress();
        if (address.isEmpty())
            return;
        bus = QDBusConnection::connectToBus(address, m_strConnection);
        if (!bus.isConnected())
            return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                       QStringLiteral("/org/freedesktop/Notifications"),
                                       QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(static_cast<uchar>(urgency))}};
    // Servers may read the body as markup: a file name with "&" or "<" must come out as typed.
    call << m_strAppName << 0u << m_strIcon << summary << body.toHtmlEscaped() << QStringList() << hints << -1;
    bus.send(call);
}

} // namespace platform

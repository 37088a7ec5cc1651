#pragma once
// A desktop notification server of our own, keeping what it is sent, on a private bus that
// stands for the session bus while it lives; on the test's thread, as no one waits for it.

#include <QDBusConnection>
#include <QTest>
#include <QVariantMap>

#include <vector>

namespace tests {

struct Notification {
    QString app, icon, summary, body;
    QVariantMap hints;
};

class NotificationServerStandIn : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit NotificationServerStandIn(const QString& busAddress) : m_previous(qgetenv("DBUS_SESSION_BUS_ADDRESS"))
    {
        qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress.toUtf8());
        QDBusConnection bus = QDBusConnection::connectToBus(busAddress, QLatin1String(CONNECTION));
        m_bServing = bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                        QDBusConnection::ExportAllSlots) &&
                     bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    ~NotificationServerStandIn() override
    {
        QDBusConnection::disconnectFromBus(QLatin1String(CONNECTION));
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_previous);
    }

    bool IsServing() const { return m_bServing; }
    const std::vector<Notification>& Received() const { return m_received; }
    // Waits until count notifications have come in all; false when fewer or more do.
    bool WaitFor(std::size_t count) const
    {
        return QTest::qWaitFor([&] { return m_received.size() >= count; }, 5000) && m_received.size() == count;
    }

public slots:
    uint Notify(const QString& app, uint, const QString& icon, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap& hints, int)
    {
        m_received.push_back({app, icon, summary, body, hints});
        return static_cast<uint>(m_received.size());
    }

private:
    static constexpr const char* CONNECTION = "tessavox-notification-server-stand-in";
    QByteArray m_previous;
    bool m_bServing = false;
    std::vector<Notification> m_received;
};

} // namespace tests

#include "platform/SleepInhibitor.h"

#include "platform/BusAddress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

const char* const CONNECTION_NAME = "tessavox-sleep-inhibitor";
// The login manager answers at once; one that does not must not hold up a recording.
constexpr int CALL_TIMEOUT_MS = 2000;

// A lock from the login manager, or -1. The system bus is looked up afresh each time and
// left again: the lock lives in the descriptor, not in the connection.
int TakeLock(const QString& why)
{
    const QString address = SystemBusAddress();
    const QString name = QString::fromLatin1(CONNECTION_NAME);
    int lock = -1;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, name);
        if (bus.isConnected() && (bus.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing)) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
            call << QStringLiteral("sleep") << QStringLiteral("Tessavox") << why << QStringLiteral("block");
            const QDBusMessage reply = bus.call(call, QDBus::Block, CALL_TIMEOUT_MS);
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                const auto descriptor = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().constFirst());
                // Our own copy: the reply's goes with the reply.
                if (descriptor.isValid())
                    lock = fcntl(descriptor.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
            }
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return lock;
}

} // namespace

SleepInhibitor::~SleepInhibitor()
{
    Release();
}

void SleepInhibitor::Hold(const QString& why)
{
    if (IsHeld() && m_strWhy == why)
        return;
    const int lock = TakeLock(why);
    if (lock < 0)
        return;
    Release();
    m_nLock = lock;
    m_strWhy = why;
}

void SleepInhibitor::Release()
{
    if (m_nLock >= 0)
        ::close(m_nLock);
    m_nLock = -1;
    m_strWhy.clear();
}

} // namespace platform

#include "platform/ResumeWatcher.h"

#include "platform/BusAddress.h"

#include <QDBusConnection>

namespace platform {

ResumeWatcher::ResumeWatcher()
    : m_strConnection(QStringLiteral("tessavox-resume-watcher-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
    QDBusConnection bus = QDBusConnection::connectToBus(SystemBusAddress(), m_strConnection);
    // Any sender: naming the login manager would make Qt ask the bus for its owner, and
    // wait for the answer. A signal from elsewhere costs no more than one look at the clock.
    if (bus.isConnected())
        bus.connect(QString(), QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
                    QStringLiteral("PrepareForSleep"), this, SLOT(OnPrepareForSleep(bool)));
}

ResumeWatcher::~ResumeWatcher()
{
    QDBusConnection::disconnectFromBus(m_strConnection);
}

void ResumeWatcher::OnPrepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit Resumed();
}

} // namespace platform

#include "platform/BusAddress.h"

#include <QFileInfo>

namespace platform {

QString SystemBusAddress()
{
    const QByteArray configured = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    return configured.isEmpty() ? QStringLiteral("unix:path=/var/run/dbus/system_bus_socket")
                                : QString::fromUtf8(configured);
}

QString SessionBusAddress()
{
    const QByteArray configured = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!configured.isEmpty())
        return QString::fromUtf8(configured);
    // Where systemd's user session keeps it when nothing says so.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString socket = runtime + QStringLiteral("/bus");
    if (runtime.isEmpty() || !QFileInfo::exists(socket))
        return {};
    return QStringLiteral("unix:path=") + socket;
}

} // namespace platform

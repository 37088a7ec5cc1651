#pragma once
// Where the D-Bus buses are, looked up afresh at each call rather than once per process as
// Qt's own bus objects do: a test starts buses of its own, one after another.

#include <QString>

namespace platform {

// DBUS_SYSTEM_BUS_ADDRESS, else the standard socket.
QString SystemBusAddress();
// DBUS_SESSION_BUS_ADDRESS, else the session's socket in XDG_RUNTIME_DIR; empty when there
// is neither.
QString SessionBusAddress();

} // namespace platform

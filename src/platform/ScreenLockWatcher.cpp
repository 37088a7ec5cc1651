#include "platform/ScreenLockWatcher.h"

#include "platform/BusAddress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

#include <unistd.h>

namespace platform {

namespace {

const QString LOGIN1 = QStringLiteral("org.freedesktop.login1");
const QString SESSION_INTERFACE = QStringLiteral("org.freedesktop.login1.Session");
const QString PROPERTIES = QStringLiteral("org.freedesktop.DBus.Properties");
const QString LOCKED_HINT = QStringLiteral("LockedHint");

struct ScreenSaver {
    const char* service; // also its interface
    const char* path;
    const char* slot;
};

// A call that never starts a service: asking whether a screensaver runs must not launch one.
QDBusMessage Call(const QString& service, const QString& path, const QString& interface, const QString& method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setAutoStartService(false);
    return call;
}

} // namespace

ScreenLockWatcher::ScreenLockWatcher()
    : m_strSystemConnection(QStringLiteral("tessavox-lock-system-%1").arg(reinterpret_cast<quintptr>(this), 0, 16)),
      m_strSessionConnection(QStringLiteral("tessavox-lock-session-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
    WatchSession();
    WatchScreenSavers();
}

ScreenLockWatcher::~ScreenLockWatcher()
{
    QDBusConnection::disconnectFromBus(m_strSystemConnection);
    QDBusConnection::disconnectFromBus(m_strSessionConnection);
}

void ScreenLockWatcher::OnReply(const QDBusPendingCall& call, std::function<void(const QDBusMessage&)> done,
                                std::function<void()> failed)
{
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [done = std::move(done), failed = std::move(failed)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (!finished->isError())
                    done(finished->reply());
                else if (failed)
                    failed();
            });
}

// This program's session: the one its process belongs to; started outside any (as a
// desktop's own service manager starts programs), the session the user sits at.
void ScreenLockWatcher::WatchSession()
{
    QDBusConnection bus = QDBusConnection::connectToBus(SystemBusAddress(), m_strSystemConnection);
    if (!bus.isConnected())
        return;
    const QString managerPath = QStringLiteral("/org/freedesktop/login1");
    const QString manager = QStringLiteral("org.freedesktop.login1.Manager");
    QDBusMessage byPid = Call(LOGIN1, managerPath, manager, QStringLiteral("GetSessionByPID"));
    byPid << static_cast<uint>(::getpid());
    QDBusMessage shown = Call(LOGIN1, managerPath, manager, QStringLiteral("GetSession"));
    shown << QStringLiteral("auto");
    const auto follow = [this](const QDBusMessage& reply) {
        FollowSession(qvariant_cast<QDBusObjectPath>(reply.arguments().value(0)).path());
    };
    OnReply(bus.asyncCall(byPid), follow, [this, shown, follow] {
        OnReply(QDBusConnection(m_strSystemConnection).asyncCall(shown), follow);
    });
}

void ScreenLockWatcher::FollowSession(const QString& path)
{
    if (path.isEmpty())
        return;
    m_strSessionPath = path;
    // Any sender: naming the login manager would make Qt ask the bus for its owner, and wait.
    QDBusConnection(m_strSystemConnection)
        .connect(QString(), path, PROPERTIES, QStringLiteral("PropertiesChanged"), this,
                 SLOT(OnSessionProperties(QString, QVariantMap, QStringList)));
    ReadLockedHint();
}

void ScreenLockWatcher::ReadLockedHint()
{
    QDBusMessage get = Call(LOGIN1, m_strSessionPath, PROPERTIES, QStringLiteral("Get"));
    get << SESSION_INTERFACE << LOCKED_HINT;
    OnReply(QDBusConnection(m_strSystemConnection).asyncCall(get), [this](const QDBusMessage& reply) {
        Set(SESSION_LOCK, qvariant_cast<QDBusVariant>(reply.arguments().value(0)).variant().toBool());
    });
}

void ScreenLockWatcher::OnSessionProperties(const QString& interface, const QVariantMap& changed,
                                            const QStringList& invalidated)
{
    if (interface != SESSION_INTERFACE)
        return;
    if (changed.contains(LOCKED_HINT))
        Set(SESSION_LOCK, changed.value(LOCKED_HINT).toBool());
    else if (invalidated.contains(LOCKED_HINT))
        ReadLockedHint();
}

void ScreenLockWatcher::WatchScreenSavers()
{
    const QString address = SessionBusAddress();
    if (address.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::connectToBus(address, m_strSessionConnection);
    if (!bus.isConnected())
        return;
    static const ScreenSaver savers[] = {
        {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", SLOT(OnFreedesktopSaver(bool))},
        {"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", SLOT(OnGnomeSaver(bool))},
    };
    for (const ScreenSaver& saver : savers) {
        const QString service = QString::fromLatin1(saver.service);
        const QString path = QString::fromLatin1(saver.path);
        bus.connect(QString(), path, service, QStringLiteral("ActiveChanged"), this, saver.slot);
        const Source source = &saver == savers ? FREEDESKTOP_SAVER : GNOME_SAVER;
        OnReply(bus.asyncCall(Call(service, path, service, QStringLiteral("GetActive"))),
                [this, source](const QDBusMessage& reply) { Set(source, reply.arguments().value(0).toBool()); });
    }
}

void ScreenLockWatcher::Set(Source source, bool locked)
{
    m_bSource[source] = locked;
    const bool any = m_bSource[SESSION_LOCK] || m_bSource[FREEDESKTOP_SAVER] || m_bSource[GNOME_SAVER];
    if (any == m_bLocked)
        return;
    m_bLocked = any;
    emit LockedChanged(any);
}

} // namespace platform

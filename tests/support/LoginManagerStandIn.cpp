#include "support/LoginManagerStandIn.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace tests {

namespace {

const char* const SERVICE_CONNECTION = "tessavox-login-manager-stand-in";
const char* const SESSION_PATH = "/org/freedesktop/login1/session/_31";

// Lives in a thread of its own: the program asks for its lock with a blocking call from
// the main thread, which could not also answer it.
class LoginManagerService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    explicit LoginManagerService(LoginManagerStandIn* owner) : m_pOwner(owner) {}

public slots:
    // Only this process has a session here.
    QDBusObjectPath GetSessionByPID(uint pid)
    {
        if (pid != static_cast<uint>(::getpid()))
            sendErrorReply(QStringLiteral("org.freedesktop.login1.NoSessionForPID"), QStringLiteral("no session"));
        return QDBusObjectPath(QLatin1String(SESSION_PATH));
    }

    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why, const QString& mode)
    {
        const int writeEnd = m_pOwner->Grant({what, who, why, mode});
        QDBusUnixFileDescriptor lock(writeEnd); // a copy goes with the reply
        ::close(writeEnd);
        return lock;
    }

private:
    LoginManagerStandIn* m_pOwner;
};

class LoginSession : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Session")
    Q_PROPERTY(bool LockedHint READ LockedHint)
public:
    explicit LoginSession(LoginManagerStandIn* owner) : m_pOwner(owner) {}
    bool LockedHint() const { return m_pOwner->IsLocked(); }

private:
    LoginManagerStandIn* m_pOwner;
};

bool Closed(int readEnd)
{
    pollfd p{readEnd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1 && (p.revents & POLLHUP);
}

} // namespace

LoginManagerStandIn::LoginManagerStandIn(bool answer)
{
    m_strFailure = m_bus.Failure();
    m_strAddress = m_bus.Address();
    if (!m_strFailure.isEmpty())
        return;
    if (!answer)
        return;

    QDBusConnection bus = QDBusConnection::connectToBus(m_strAddress, QLatin1String(SERVICE_CONNECTION));
    auto* service = new LoginManagerService(this);
    auto* session = new LoginSession(this);
    for (QObject* object : {static_cast<QObject*>(service), static_cast<QObject*>(session)}) {
        object->moveToThread(&m_serviceThread);
        QObject::connect(&m_serviceThread, &QThread::finished, object, &QObject::deleteLater);
    }
    m_serviceThread.start();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/login1"), service, QDBusConnection::ExportAllSlots) ||
        !bus.registerObject(QLatin1String(SESSION_PATH), session, QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.freedesktop.login1")))
        m_strFailure = QStringLiteral("the stand-in could not take its name: ") + bus.lastError().message();
}

LoginManagerStandIn::~LoginManagerStandIn()
{
    QDBusConnection::disconnectFromBus(QLatin1String(SERVICE_CONNECTION));
    m_serviceThread.quit();
    m_serviceThread.wait();
    for (const Lock& lock : m_locks)
        ::close(lock.readEnd);
}

void LoginManagerStandIn::Resume()
{
    QDBusConnection(QLatin1String(SERVICE_CONNECTION))
        .send(QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                         QStringLiteral("PrepareForSleep"))
              << false);
}

void LoginManagerStandIn::SetLocked(bool locked)
{
    m_bLocked = locked;
    const QVariantMap changed{{QStringLiteral("LockedHint"), locked}};
    QDBusConnection(QLatin1String(SERVICE_CONNECTION))
        .send(QDBusMessage::createSignal(QLatin1String(SESSION_PATH), QStringLiteral("org.freedesktop.DBus.Properties"),
                                         QStringLiteral("PropertiesChanged"))
              << QStringLiteral("org.freedesktop.login1.Session") << changed << QStringList());
}

int LoginManagerStandIn::Grant(const InhibitCall& call)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return -1;
    std::lock_guard lock(m_mutex);
    m_locks.push_back({call, ends[0]});
    return ends[1];
}

std::vector<InhibitCall> LoginManagerStandIn::Calls() const
{
    std::lock_guard lock(m_mutex);
    std::vector<InhibitCall> calls;
    for (const Lock& l : m_locks)
        calls.push_back(l.call);
    return calls;
}

std::vector<QString> LoginManagerStandIn::HeldReasons() const
{
    std::lock_guard lock(m_mutex);
    std::vector<QString> reasons;
    for (const Lock& l : m_locks)
        if (!Closed(l.readEnd))
            reasons.push_back(l.call.why);
    return reasons;
}

} // namespace tests

#include "LoginManagerStandIn.moc"

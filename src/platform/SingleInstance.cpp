#include "platform/SingleInstance.h"

#include "platform/BusAddress.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>

namespace platform {

namespace {

// An object path may hold letters, digits and '_' between its slashes.
QString PathOf(const QString& appId)
{
    QString path = QLatin1Char('/') + appId;
    path.replace(QLatin1Char('.'), QLatin1Char('/'));
    path.replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

// A bus that does not answer this soon is treated as none: the program runs alone.
constexpr int CLAIM_TIMEOUT_MS = 5000;

bool NobodyOwns(const QDBusMessage& reply)
{
    const QString name = reply.errorName();
    return name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
           name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

} // namespace

SingleInstance::SingleInstance(const QString& appId, const QStringList& commands)
    : m_strService(appId), m_strPath(PathOf(appId)), m_strInterface(appId + QStringLiteral(".Instance")),
      m_strConnection(QStringLiteral("tessavox-instance-%1").arg(reinterpret_cast<quintptr>(this), 0, 16)),
      m_commands(commands)
{
}

SingleInstance::~SingleInstance()
{
    Release();
}

bool SingleInstance::Connect()
{
    if (QDBusConnection(m_strConnection).isConnected())
        return true;
    QDBusConnection::disconnectFromBus(m_strConnection);
    const QString address = SessionBusAddress();
    if (address.isEmpty())
        return false;
    return QDBusConnection::connectToBus(address, m_strConnection).isConnected();
}

SingleInstance::Claim SingleInstance::ClaimName()
{
    if (!Connect())
        return Claim::NoBus;
    QDBusConnection bus(m_strConnection);
    // The object is there before the name: whoever finds the name can call it at once.
    if (!m_bServing && !bus.registerVirtualObject(m_strPath, this, QDBusConnection::SingleNode))
        return Claim::NoBus;
    m_bServing = true;
    // DBUS_NAME_FLAG_DO_NOT_QUEUE: taken now, or refused; never handed over later.
    constexpr uint DO_NOT_QUEUE = 4;
    constexpr uint PRIMARY_OWNER = 1;
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << m_strService << DO_NOT_QUEUE;
    const QDBusReply<uint> reply = bus.call(request, QDBus::Block, CLAIM_TIMEOUT_MS);
    // A bus that cannot say who holds the name is no bus to share one program over.
    if (!reply.isValid()) {
        Release();
        return Claim::NoBus;
    }
    if (reply.value() == PRIMARY_OWNER)
        return Claim::Owned;
    bus.unregisterObject(m_strPath);
    m_bServing = false;
    return Claim::HeldByAnother;
}

void SingleInstance::Release()
{
    // Closing the connection gives the name back; the bus answers the callers still waiting.
    m_bServing = false;
    m_waiting.clear();
    QDBusConnection::disconnectFromBus(m_strConnection);
}

void SingleInstance::Serve(std::function<void()> activate, std::function<CommandAnswer(const QString&)> command)
{
    m_activate = std::move(activate);
    m_command = std::move(command);
    AnswerWaiting();
}

bool SingleInstance::handleMessage(const QDBusMessage& message, const QDBusConnection&)
{
    // Anything else (introspection above all) is left to the bus library, which answers it
    // or says there is no such method.
    const QString method = message.member();
    if (message.type() != QDBusMessage::MethodCallMessage || message.interface() != m_strInterface ||
        !(method == QLatin1String(ACTIVATE) || m_commands.contains(method)) || !message.signature().isEmpty())
        return false;
    // The bus may dispatch on a thread of its own; the answer comes from ours, later, so
    // that a slow command never holds up the bus.
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            m_waiting.push_back(message);
            AnswerWaiting();
        },
        Qt::QueuedConnection);
    return true;
}

void SingleInstance::AnswerWaiting()
{
    // A command may run an event loop of its own, in which the next call comes in: each is
    // taken off the list before it runs.
    while (m_bServing && m_activate && m_command && !m_waiting.empty()) {
        const QDBusMessage call = m_waiting.front();
        m_waiting.erase(m_waiting.begin());
        QDBusMessage reply;
        if (call.member() == QLatin1String(ACTIVATE)) {
            m_activate();
            reply = call.createReply();
        } else {
            const CommandAnswer answer = m_command(call.member());
            reply = call.createReply(QVariantList{answer.done, answer.refusal});
        }
        QDBusConnection(m_strConnection).send(reply);
    }
}

SingleInstance::Reply SingleInstance::Call(const QString& method, int timeoutMs)
{
    Reply result;
    if (!Connect())
        return result;
    QDBusMessage call = QDBusMessage::createMethodCall(m_strService, m_strPath, m_strInterface, method);
    // Waits in an event loop of its own: a caller on the same thread as the answering
    // object (a test) still gets its answer.
    const QDBusMessage reply = QDBusConnection(m_strConnection).call(call, QDBus::BlockWithGui, timeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        result.outcome = NobodyOwns(reply) ? Outcome::NotRunning : Outcome::NoAnswer;
        result.error = reply.errorMessage();
        return result;
    }
    result.outcome = Outcome::Answered;
    if (method == QLatin1String(ACTIVATE)) {
        result.answer.done = true;
        return result;
    }
    const QVariantList arguments = reply.arguments();
    if (arguments.size() != 2 || arguments[0].metaType() != QMetaType::fromType<bool>()) {
        result.outcome = Outcome::NoAnswer;
        result.error = QCoreApplication::translate("SingleInstance", "its answer was not whether the command was done");
        return result;
    }
    result.answer = {arguments[0].toBool(), arguments[1].toString()};
    return result;
}

QString SingleInstance::introspect(const QString&) const
{
    QString xml = QStringLiteral("  <interface name=\"%1\">\n    <method name=\"%2\"/>\n")
                      .arg(m_strInterface, QLatin1String(ACTIVATE));
    for (const QString& command : m_commands)
        xml += QStringLiteral("    <method name=\"%1\">\n"
                              "      <arg name=\"done\" type=\"b\" direction=\"out\"/>\n"
                              "      <arg name=\"refusal\" type=\"s\" direction=\"out\"/>\n"
                              "    </method>\n")
                   .arg(command);
    return xml + QStringLiteral("  </interface>\n");
}

} // namespace platform

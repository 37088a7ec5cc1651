#include "support/StatusNotifierWatcherStandIn.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDateTime>

namespace tests {

namespace {

const char* const WATCHER = "org.kde.StatusNotifierWatcher";
const char* const ITEM = "org.kde.StatusNotifierItem";
const char* const MENU = "com.canonical.dbusmenu";
constexpr int CALL_TIMEOUT_MS = 5000;

class WatcherService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ IsStatusNotifierHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ RegisteredStatusNotifierItems)
public:
    explicit WatcherService(StatusNotifierWatcherStandIn* owner) : m_pOwner(owner) {}
    bool IsStatusNotifierHostRegistered() const { return true; }
    int ProtocolVersion() const { return 0; }
    QStringList RegisteredStatusNotifierItems() const { return m_pOwner->Items(); }

public slots:
    void RegisterStatusNotifierItem(const QString& service) { m_pOwner->Register(service); }
    void RegisterStatusNotifierHost(const QString&) {}

private:
    StatusNotifierWatcherStandIn* m_pOwner;
};

// The entries of a dbusmenu layout, (ia{sv}av), by label, its sub-menus' too.
void ReadLayout(const QDBusArgument& layout, std::map<QString, TrayMenuEntry>& entries)
{
    int id = 0;
    QVariantMap properties;
    layout.beginStructure();
    layout >> id >> properties;
    layout.beginArray();
    while (!layout.atEnd()) {
        QDBusVariant child;
        layout >> child;
        ReadLayout(child.variant().value<QDBusArgument>(), entries);
    }
    layout.endArray();
    layout.endStructure();
    if (properties.contains(QStringLiteral("label")))
        entries[properties.value(QStringLiteral("label")).toString()] = {
            id, properties.value(QStringLiteral("enabled"), true).toBool()};
}

} // namespace

StatusNotifierWatcherStandIn::StatusNotifierWatcherStandIn(const QString& busAddress)
    : m_strConnection(QStringLiteral("tessavox-status-notifier-watcher-stand-in"))
{
    QDBusConnection bus = QDBusConnection::connectToBus(busAddress, m_strConnection);
    auto* service = new WatcherService(this);
    service->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, service, &QObject::deleteLater);
    m_thread.start();
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), service,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QLatin1String(WATCHER)))
        m_strFailure = QStringLiteral("the watcher could not take its name: ") + bus.lastError().message();
}

StatusNotifierWatcherStandIn::~StatusNotifierWatcherStandIn()
{
    QDBusConnection::disconnectFromBus(m_strConnection);
    m_thread.quit();
    m_thread.wait();
}

QStringList StatusNotifierWatcherStandIn::Items() const
{
    std::lock_guard lock(m_mutex);
    return m_items;
}

void StatusNotifierWatcherStandIn::Register(const QString& service)
{
    std::lock_guard lock(m_mutex);
    m_items << service;
}

void StatusNotifierWatcherStandIn::Leave()
{
    QDBusConnection(m_strConnection).unregisterService(QLatin1String(WATCHER));
}

StatusNotifierItemReader::StatusNotifierItemReader(const QString& busAddress, const QString& service)
    : m_strConnection(QStringLiteral("tessavox-status-notifier-host-stand-in")), m_strService(service)
{
    QDBusConnection::connectToBus(busAddress, m_strConnection);
}

StatusNotifierItemReader::~StatusNotifierItemReader()
{
    QDBusConnection::disconnectFromBus(m_strConnection);
}

QString StatusNotifierItemReader::ToolTip()
{
    QDBusMessage get = QDBusMessage::createMethodCall(m_strService, QStringLiteral("/StatusNotifierItem"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << QLatin1String(ITEM) << QStringLiteral("ToolTip");
    const QDBusMessage reply = QDBusConnection(m_strConnection).call(get, QDBus::Block, CALL_TIMEOUT_MS);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        m_strFailure = reply.errorMessage();
        return {};
    }
    // (sa(iiay)ss): the icon's name, its pixmaps, the title, the text.
    const auto toolTip = reply.arguments().constFirst().value<QDBusVariant>().variant().value<QDBusArgument>();
    QString iconName, title, text;
    toolTip.beginStructure();
    toolTip >> iconName;
    toolTip.beginArray();
    while (!toolTip.atEnd()) {
        int width = 0, height = 0;
        QByteArray pixels;
        toolTip.beginStructure();
        toolTip >> width >> height >> pixels;
        toolTip.endStructure();
    }
    toolTip.endArray();
    toolTip >> title >> text;
    toolTip.endStructure();
    return title;
}

std::map<QString, TrayMenuEntry> StatusNotifierItemReader::Menu()
{
    QDBusMessage get = QDBusMessage::createMethodCall(m_strService, QStringLiteral("/StatusNotifierItem"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << QLatin1String(ITEM) << QStringLiteral("Menu");
    const QDBusMessage path = QDBusConnection(m_strConnection).call(get, QDBus::Block, CALL_TIMEOUT_MS);
    if (path.type() != QDBusMessage::ReplyMessage || path.arguments().isEmpty()) {
        m_strFailure = path.errorMessage();
        return {};
    }
    const QString menuPath = path.arguments().constFirst().value<QDBusVariant>().variant().value<QDBusObjectPath>().path();
    QDBusMessage layout =
        QDBusMessage::createMethodCall(m_strService, menuPath, QLatin1String(MENU), QStringLiteral("GetLayout"));
    layout << 0 << -1 << QStringList();
    const QDBusMessage reply = QDBusConnection(m_strConnection).call(layout, QDBus::Block, CALL_TIMEOUT_MS);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 2) {
        m_strFailure = reply.errorMessage();
        return {};
    }
    std::map<QString, TrayMenuEntry> entries;
    ReadLayout(reply.arguments().at(1).value<QDBusArgument>(), entries);
    m_strMenuPath = menuPath;
    return entries;
}

bool StatusNotifierItemReader::Click(const QString& label)
{
    const auto entries = Menu();
    const auto entry = entries.find(label);
    if (entry == entries.end())
        return false;
    QDBusMessage event =
        QDBusMessage::createMethodCall(m_strService, m_strMenuPath, QLatin1String(MENU), QStringLiteral("Event"));
    event << entry->second.id << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(QVariant(0)))
          << static_cast<uint>(QDateTime::currentSecsSinceEpoch());
    const QDBusMessage reply = QDBusConnection(m_strConnection).call(event, QDBus::Block, CALL_TIMEOUT_MS);
    m_strFailure = reply.errorMessage();
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace tests

#include "StatusNotifierWatcherStandIn.moc"

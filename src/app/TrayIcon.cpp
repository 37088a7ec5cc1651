#include "app/TrayIcon.h"

#include "app/ElapsedDisplay.h"
#include "platform/BusAddress.h"
#include "platform/LocalTime.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QEvent>

namespace {

// Desktops that follow the StatusNotifierItem protocol keep their icons through this name.
const char* const WATCHER_SERVICE = "org.kde.StatusNotifierWatcher";

} // namespace

QString TrayToolTip(const TrayState& state)
{
    using Activity = TrayState::Activity;
    switch (state.activity) {
    case Activity::Recording:
        return QCoreApplication::translate("CTrayIcon", "Recording %1 %2")
            .arg(state.file, LengthText(state.elapsed));
    case Activity::Paused:
        return QCoreApplication::translate("CTrayIcon", "Paused %1 %2").arg(state.file, LengthText(state.elapsed));
    case Activity::WaitingForSound:
        return QCoreApplication::translate("CTrayIcon", "Waiting for sound");
    case Activity::Playing:
        return QCoreApplication::translate("CTrayIcon", "Playing");
    case Activity::StartArmed:
        return QCoreApplication::translate("CTrayIcon", "Next recording at %1")
            .arg(platform::FormatLocal(state.nextStart, "%Y-%m-%d %H:%M"));
    case Activity::Idle:
        break;
    }
    return QCoreApplication::translate("CTrayIcon", "Idle");
}

bool MinimizedWindowReachable(bool visible, bool exposed, bool minimized, bool platformReportsMinimized)
{
    if (!visible)
        return false;
    return exposed || (minimized && platformReportsMinimized);
}

bool CTrayIcon::IsAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

CTrayIcon::CTrayIcon(const QIcon& icon, QAbstractButton& record, QAbstractButton& stop)
    : m_icon(icon), m_record(record), m_stop(stop),
      m_strConnection(QStringLiteral("tessavox-tray-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
    m_pRecord = m_menu.addAction(tr("Record"));
    m_pStop = m_menu.addAction(tr("Stop"));
    m_menu.addSeparator();
    QAction* show = m_menu.addAction(tr("Show Tessavox"));
    QAction* quit = m_menu.addAction(tr("Quit"));
    m_menu.setAccessibleName(tr("Tessavox"));

    // Each entry presses its button: a disabled button does nothing, as in the window.
    connect(m_pRecord, &QAction::triggered, &m_record, &QAbstractButton::click);
    connect(m_pStop, &QAction::triggered, &m_stop, &QAbstractButton::click);
    connect(show, &QAction::triggered, this, &CTrayIcon::ShowChosen);
    connect(quit, &QAction::triggered, this, &CTrayIcon::QuitChosen);
    // A click on the icon itself brings the window, as most desktops' icons do.
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            emit ShowChosen();
    });

    for (QAbstractButton* button : {&m_record, &m_stop})
        button->installEventFilter(this);
    m_pRecord->setEnabled(m_record.isEnabled());
    m_pStop->setEnabled(m_stop.isEnabled());

    m_icon.setContextMenu(&m_menu);
    m_icon.setToolTip(TrayToolTip({}));
    m_icon.show();
    WatchTheArea();
}

CTrayIcon::~CTrayIcon()
{
    for (QAbstractButton* button : {&m_record, &m_stop})
        button->removeEventFilter(this);
    QDBusConnection::disconnectFromBus(m_strConnection);
}

void CTrayIcon::WatchTheArea()
{
    // An icon shown the old way (an X11 system tray) has no such service to watch.
    const QString address = platform::SessionBusAddress();
    if (address.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::connectToBus(address, m_strConnection);
    if (!bus.isConnected())
        return;
    auto* watcher = new QDBusServiceWatcher(QLatin1String(WATCHER_SERVICE), bus,
                                            QDBusServiceWatcher::WatchForRegistration |
                                                QDBusServiceWatcher::WatchForUnregistration,
                                            this);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        m_bPresent = false;
        emit Lost();
    });
    // Qt registers the icon again with the new area.
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] { m_bPresent = true; });
}

void CTrayIcon::SetState(const TrayState& state)
{
    const QString text = TrayToolTip(state);
    if (text != m_icon.toolTip())
        m_icon.setToolTip(text);
}

bool CTrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (watched == &m_record)
            m_pRecord->setEnabled(m_record.isEnabled());
        else if (watched == &m_stop)
            m_pStop->setEnabled(m_stop.isEnabled());
    }
    return QObject::eventFilter(watched, event);
}

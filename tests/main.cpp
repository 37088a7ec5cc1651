// One QApplication for the whole run: the engine is a widget and devices post events to it.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The machine's own login manager is never asked for a sleep lock, nor its desktop told
    // anything: the buses the tests see are not there, unless a test starts stand-ins.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/tessavox-tests/system_bus_socket");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tessavox-tests/session_bus_socket");
    // Settings and the login entry go to a folder of the run's own, never the real home.
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessavox"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

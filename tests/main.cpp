// One QApplication for the whole run: the engine is a widget and devices post events to it.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The machine's own login manager is never asked for a sleep lock: the system bus the
    // tests see is not there, unless a test starts a stand-in of its own.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/tessavox-tests/system_bus_socket");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessavox"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Without a login manager (a container, a build machine) the sleep lock is simply not held:
// no error, no message, nothing on the console. The lock itself is tested with the window,
// against a stand-in login manager (tests/app/test_schedule_sleep.cpp).

#include "platform/DesktopNotifier.h"
#include "platform/ResumeWatcher.h"
#include "platform/ScreenLockWatcher.h"
#include "platform/SleepInhibitor.h"
#include "support/LoginManagerStandIn.h"
#include "support/QStringPrinter.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

std::vector<QString> g_said;

void Collect(QtMsgType, const QMessageLogContext&, const QString& text)
{
    g_said.push_back(text);
}

} // namespace

TEST(SleepInhibitor, WithoutALoginManagerNothingIsHeldAndNothingSaid)
{
    g_said.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Collect);
    platform::SleepInhibitor inhibitor;
    inhibitor.Hold(QStringLiteral("Recording")); // the tests' system bus is not there
    EXPECT_FALSE(inhibitor.IsHeld());
    platform::ResumeWatcher watcher; // nor is a wake heard or the desktop told, without a word
    platform::DesktopNotifier(QStringLiteral("Tessavox"), QStringLiteral("icon")).Notify("Started", "x.wav");
    {
        tests::LoginManagerStandIn busAlone(false);
        ASSERT_EQ(busAlone.Failure(), "");
        inhibitor.Hold(QStringLiteral("Recording"));
        EXPECT_FALSE(inhibitor.IsHeld());
        // Nobody answers for the session or a screensaver: the screen counts as seen.
        const QByteArray sessionBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("DBUS_SESSION_BUS_ADDRESS", busAlone.Address().toUtf8());
        platform::ScreenLockWatcher lock;
        QTest::qWait(200);
        EXPECT_FALSE(lock.IsLocked());
        qputenv("DBUS_SESSION_BUS_ADDRESS", sessionBus);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_said.empty()) << g_said.front().toStdString();
}

// The program with its icon, as a desktop's panel sees it: started on an X display of the
// test's own, with a private session bus where a stand-in status notifier watcher keeps the
// icon. The panel's side reads the icon's tool tip and clicks its menu over the bus; a
// driver loaded into the program reports the window's state and closes the window as a user
// does. Once the watcher has gone there is no icon, and --minimized still leaves a window.

#include "support/LoginManagerStandIn.h"
#include "support/NotificationServerStandIn.h"
#include "support/ProgramDriver.h"
#include "support/QStringPrinter.h"
#include "support/StatusNotifierWatcherStandIn.h"
#include "support/VirtualDisplay.h"
#include "support/WaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int WAIT_MS = 15000;

class TrayProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_display = new tests::VirtualDisplay(QStringLiteral(XVFB_PROGRAM)); }
    static void TearDownTestSuite()
    {
        delete s_display;
        s_display = nullptr;
    }

    void SetUp() override
    {
        if (!s_display->Failure().isEmpty())
            GTEST_SKIP() << s_display->Failure().toStdString();
        ASSERT_EQ(bus.Failure(), "");
        ASSERT_TRUE(home.isValid());
        QDir(home.path()).mkpath(QStringLiteral("config/Tessavox"));
        QFile settings(home.filePath(QStringLiteral("config/Tessavox/tessavox.conf")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[Record]\nFileName=" + Recording().toUtf8() + "\n");
    }

    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(WAIT_MS);
        }
    }

    QString Recording() const { return home.filePath(QStringLiteral("tray.wav")); }

    void Start(const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Qt's generic platform theme, whichever desktop the tests run on.
        for (const char* name : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION"})
            env.remove(QLatin1String(name));
        const std::pair<const char*, QString> settings[] = {
            {"QT_QPA_PLATFORM", QStringLiteral("xcb")},
            {"DISPLAY", s_display->Display()},
            {"DBUS_SESSION_BUS_ADDRESS", bus.Address()},
            {"TESSAVOX_AUDIO", QStringLiteral("virtual")},
            {"XDG_CONFIG_HOME", home.filePath(QStringLiteral("config"))},
            {"XDG_DATA_HOME", home.filePath(QStringLiteral("data"))},
            {"XDG_CACHE_HOME", home.filePath(QStringLiteral("cache"))},
            {"LD_PRELOAD", QStringLiteral(TRAY_DRIVER_LIBRARY)},
            {"TESSAVOX_DRIVER_REPORT", home.filePath(QStringLiteral("report"))},
            {"TESSAVOX_DRIVER_COMMANDS", home.filePath(QStringLiteral("commands"))},
        };
        for (const auto& [name, value] : settings)
            env.insert(QLatin1String(name), value);
        // libxkbcommon-x11, under the xcb platform, hands strndup names that are not
        // terminated, as strndup allows: the sanitizer's strict check would stop the program.
        if (env.contains(QStringLiteral("ASAN_OPTIONS")))
            env.insert(QStringLiteral("ASAN_OPTIONS"),
                       env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":strict_string_checks=0"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(PROGRAM), arguments);
        ASSERT_TRUE(program.waitForStarted(WAIT_MS));
    }

    QStringList Reported(const QString& key) const { return tests::Reported(home.filePath(QStringLiteral("report")), key); }
    QString WindowState() const
    {
        const QStringList states = Reported(QStringLiteral("window"));
        return states.isEmpty() ? QString() : states.last();
    }
    bool WaitForWindow(const QString& state) const
    {
        return QTest::qWaitFor([&] { return WindowState() == state; }, WAIT_MS);
    }

    void CloseWindow()
    {
        // Whole or not at all: the driver may look at any moment.
        QSaveFile commands(home.filePath(QStringLiteral("commands")));
        ASSERT_TRUE(commands.open(QIODevice::WriteOnly));
        commands.write("close\n");
        ASSERT_TRUE(commands.commit());
    }

    // The icon's service, once the program has registered it with the watcher.
    QString WaitForItem(const tests::StatusNotifierWatcherStandIn& watcher) const
    {
        if (!QTest::qWaitFor([&] { return !watcher.Items().isEmpty(); }, WAIT_MS))
            return {};
        return watcher.Items().value(0);
    }

    bool WaitForToolTip(tests::StatusNotifierItemReader& item, const QRegularExpression& expected) const
    {
        return QTest::qWaitFor([&] { return expected.match(item.ToolTip()).hasMatch(); }, WAIT_MS);
    }

    bool WaitForExit()
    {
        return QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, WAIT_MS) &&
               program.exitStatus() == QProcess::NormalExit;
    }

    QString Output() { return QString::fromLocal8Bit(program.readAll()); }

    static tests::VirtualDisplay* s_display;
    // A bus of the test's own, serving as the session bus.
    tests::LoginManagerStandIn bus{false};
    QTemporaryDir home;
    QProcess program;
};

tests::VirtualDisplay* TrayProgram::s_display = nullptr;

QRegularExpression Exactly(const QString& text)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QRegularExpression::escape(text)));
}

TEST_F(TrayProgram, TheIconFollowsATakeStartedAndStoppedFromItsMenuAndClosingHidesTheWindowMeanwhile)
{
    tests::StatusNotifierWatcherStandIn watcher(bus.Address());
    ASSERT_EQ(watcher.Failure(), "");
    tests::NotificationServerStandIn desktop(bus.Address());
    ASSERT_TRUE(desktop.IsServing());
    Start({});
    const QString service = WaitForItem(watcher);
    ASSERT_FALSE(service.isEmpty()) << Output().toStdString();
    ASSERT_TRUE(WaitForWindow(QStringLiteral("on screen"))) << WindowState().toStdString();
    tests::StatusNotifierItemReader item(bus.Address(), service);
    EXPECT_EQ(item.ToolTip(), "Idle") << item.Failure().toStdString();
    auto menu = item.Menu();
    for (const char* label : {"Record", "Stop", "Show Tessavox", "Quit"})
        EXPECT_EQ(menu.count(QString::fromUtf8(label)), 1u) << label << " in the menu; " << item.Failure().toStdString();
    EXPECT_TRUE(menu[QStringLiteral("Record")].enabled);

    ASSERT_TRUE(item.Click(QStringLiteral("Record"))) << item.Failure().toStdString();
    // The time follows the window's tick.
    EXPECT_TRUE(WaitForToolTip(item, QRegularExpression(QStringLiteral("^Recording tray\\.wav 00:00:0[2-9]$"))))
        << item.ToolTip().toStdString();
    EXPECT_FALSE(item.Menu()[QStringLiteral("Record")].enabled) << "disabled as the window's button is";

    // Closing hides the window; the take goes on, and the desktop is told once.
    CloseWindow();
    ASSERT_TRUE(WaitForWindow(QStringLiteral("hidden")))
        << WindowState().toStdString() << (program.state() == QProcess::NotRunning ? ", the program ended" : "");
    ASSERT_TRUE(desktop.WaitFor(1));
    EXPECT_EQ(desktop.Received()[0].summary, "Tessavox is still running");
    // The program's virtual devices give sound only when a test feeds them: that the take goes
    // on shows in its time, which counts only while it runs.
    EXPECT_TRUE(WaitForToolTip(item, QRegularExpression(QStringLiteral("^Recording tray\\.wav 00:00:(0[5-9]|[1-5]\\d)$"))))
        << item.ToolTip().toStdString();

    ASSERT_TRUE(item.Click(QStringLiteral("Show Tessavox")));
    ASSERT_TRUE(WaitForWindow(QStringLiteral("on screen")));
    CloseWindow();
    ASSERT_TRUE(WaitForWindow(QStringLiteral("hidden")));

    ASSERT_TRUE(item.Click(QStringLiteral("Stop")));
    EXPECT_TRUE(WaitForToolTip(item, Exactly(QStringLiteral("Idle")))) << item.ToolTip().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return item.Menu()[QStringLiteral("Record")].enabled; }, WAIT_MS));
    // The file is finished as after any take.
    const auto wave = ReadRecordedWave(Recording());
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->riffSize + 8, static_cast<std::uint32_t>(wave->bytes.size()));

    // Quit ends the program as closing the window does without the icon.
    ASSERT_TRUE(item.Click(QStringLiteral("Quit")));
    ASSERT_TRUE(WaitForExit()) << Output().toStdString();
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(Reported(QStringLiteral("message")), QStringList{});
    EXPECT_EQ(desktop.Received().size(), 1u) << "told once a run";
}

TEST_F(TrayProgram, MinimizedStartsInTheIconAndTheWindowComesBackWhenTheAreaGoes)
{
    tests::StatusNotifierWatcherStandIn watcher(bus.Address());
    ASSERT_EQ(watcher.Failure(), "");
    Start({QStringLiteral("--minimized")});
    const QString service = WaitForItem(watcher);
    ASSERT_FALSE(service.isEmpty()) << Output().toStdString();
    tests::StatusNotifierItemReader item(bus.Address(), service);
    EXPECT_EQ(item.ToolTip(), "Idle") << item.Failure().toStdString();
    // The icon answered, so the program's loop runs: a window it showed would be reported
    // within the driver's next few looks.
    QTest::qWait(1000);
    EXPECT_EQ(Reported(QStringLiteral("window")), QStringList{"hidden"}) << "never shown";

    // The panel quits: the icon is no way back, so the window comes back. Closed while idle,
    // it closes, as today.
    watcher.Leave();
    EXPECT_TRUE(WaitForWindow(QStringLiteral("on screen"))) << WindowState().toStdString();
    CloseWindow();
    ASSERT_TRUE(WaitForExit()) << Output().toStdString();
    EXPECT_EQ(program.exitCode(), 0);

    // Started with no area at all, --minimized leaves a window: no window manager here
    // minimises it, so it is on screen.
    QFile::remove(home.filePath(QStringLiteral("report")));
    Start({QStringLiteral("--minimized")});
    EXPECT_TRUE(WaitForWindow(QStringLiteral("on screen"))) << WindowState().toStdString() << Output().toStdString();
    CloseWindow();
    ASSERT_TRUE(WaitForExit()) << Output().toStdString();
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace

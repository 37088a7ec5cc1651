// The live display while nobody can see the screen: the session locked (the login
// manager's LockedHint, read as the window opens and followed) or a screensaver running
// (its ActiveChanged). The stand-ins' private bus serves as the system and the session
// bus. Nothing of the display is painted meanwhile; on unlock it shows the present state at
// once, the clip flags lit for what clipped meanwhile.

#include "engine/view/ClipFlag.h"
#include "engine/view/LevelMeter.h"
#include "platform/Clock.h"
#include "support/LoginManagerStandIn.h"
#include "support/PaintCounter.h"
#include "support/WindowFixture.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTest>

#include <functional>

namespace {

// A screensaver's word that it has started or stopped, from a connection of the test's own.
void SendActiveChanged(const QString& address, const QString& service, bool active)
{
    const QString path = QLatin1Char('/') + QString(service).replace(u'.', u'/');
    QDBusConnection::connectToBus(address, QStringLiteral("tessavox-screensaver-stand-in"))
        .send(QDBusMessage::createSignal(path, service, QStringLiteral("ActiveChanged")) << active);
}

} // namespace

class ScreenLockTest : public WindowFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(loginManager.Failure(), "");
        qputenv("DBUS_SESSION_BUS_ADDRESS", loginManager.Address().toUtf8());
        WindowFixture::SetUp();
    }
    void TearDown() override
    {
        WindowFixture::TearDown();
        QDBusConnection::disconnectFromBus(QStringLiteral("tessavox-screensaver-stand-in"));
        qputenv("DBUS_SESSION_BUS_ADDRESS", previousSessionBus);
    }

    // The window on screen, with the display's frames and paints, and those of the meters
    // and their flags, counted.
    void ShowWindow()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        painted.Watch({&Engine(), Meter(IDC_LEVEL_LEFT), Meter(IDC_LEVEL_RIGHT), Meter(IDC_LEVEL_LEFT)->Flag(),
                       Meter(IDC_LEVEL_RIGHT)->Flag()});
        QObject::connect(&Engine(), &CAudioPlayRec::FrameShown, &painted, [this] { ++painted.paints; });
    }
    CLevelMeter* Meter(int id) { return Main<CLevelMeter>(id); }
    bool Lit(int meter) { return Meter(meter)->Flag()->isChecked(); }
    bool EngineHears(bool locked) { return QTest::qWaitFor([&] { return Engine().IsScreenLocked() == locked; }, 5000); }

    QByteArray previousSessionBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    tests::LoginManagerStandIn loginManager;
    platform::ManualClock clock{0};
    PaintCounter painted;
};

TEST_F(ScreenLockTest, NothingIsPaintedWhileLockedAndUnlockShowsWhatCameMeanwhile)
{
    const QString bus = loginManager.Address();
    struct Way {
        const char* name;
        std::function<void(bool)> lock;
    };
    const Way ways[] = {
        {"session locked as the window opens", [&](bool locked) {
             loginManager.SetLocked(locked);
             if (locked)
                 Reopen();
         }},
        {"session locked", [&](bool locked) { loginManager.SetLocked(locked); }},
        {"screensaver", [&](bool active) { SendActiveChanged(bus, QStringLiteral("org.freedesktop.ScreenSaver"), active); }},
        {"GNOME screensaver", [&](bool active) { SendActiveChanged(bus, QStringLiteral("org.gnome.ScreenSaver"), active); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        way.lock(true);
        ASSERT_NO_FATAL_FAILURE(ShowWindow());
        ASSERT_TRUE(EngineHears(true));
        QCoreApplication::processEvents();
        painted.paints = 0;
        // The counter's bytes at 8 bits reach 0 and 255: full scale.
        Engine().SelectDevice(COUNTER);
        ASSERT_TRUE(Engine().StartRecord(8, CHANNELS_MONO, 8000));
        for (int step = 0; step < 100; ++step) {
            audio.Advance(80);
            Pump();
            clock.Advance(10);
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(painted.paints, 0);
        EXPECT_FALSE(Lit(IDC_LEVEL_LEFT));

        way.lock(false);
        ASSERT_TRUE(EngineHears(false));
        EXPECT_TRUE(Lit(IDC_LEVEL_LEFT));
        EXPECT_TRUE(Lit(IDC_LEVEL_RIGHT));
        EXPECT_GT(Meter(IDC_LEVEL_LEFT)->Level(), -1.0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return painted.paints > 0; }, 5000));
        Engine().Stop();
        Pump();
        for (int id : {IDC_LEVEL_LEFT, IDC_LEVEL_RIGHT})
            Meter(id)->Flag()->click(); // as the user would; a new recording behind the lock clears them too
    }
}

// The sleep lock against a login manager of our own on a private bus: asked for with the
// right arguments, replaced when the reason changes, released by closing it; and without a
// login manager, nothing held and nothing said.

#include "platform/SleepInhibitor.h"
#include "support/LoginManagerStandIn.h"
#include "support/QStringPrinter.h"

#include <QTest>

#include <gtest/gtest.h>

using platform::SleepInhibitor;
using tests::LoginManagerStandIn;

namespace {

bool ReleasedSoon(const LoginManagerStandIn& loginManager, std::size_t index)
{
    // The bus may still hold a copy of the descriptor for a moment after it is handed on.
    return QTest::qWaitFor([&] { return loginManager.Released(index); }, 5000);
}

std::vector<QString> g_said;

void Collect(QtMsgType, const QMessageLogContext&, const QString& text)
{
    g_said.push_back(text);
}

} // namespace

TEST(SleepInhibitor, HoldsTheLoginManagersLockAndClosesIt)
{
    LoginManagerStandIn loginManager;
    ASSERT_EQ(loginManager.Failure(), "");
    {
        SleepInhibitor inhibitor;
        inhibitor.Hold(QStringLiteral("Waiting for a scheduled recording"));
        ASSERT_TRUE(inhibitor.IsHeld());
        ASSERT_EQ(loginManager.Calls().size(), 1u);
        const tests::InhibitCall call = loginManager.Calls()[0];
        EXPECT_EQ(call.what, "sleep");
        EXPECT_EQ(call.who, "Tessavox");
        EXPECT_EQ(call.why, "Waiting for a scheduled recording");
        EXPECT_EQ(call.mode, "block");

        inhibitor.Hold(QStringLiteral("Waiting for a scheduled recording"));
        EXPECT_EQ(loginManager.Calls().size(), 1u) << "one lock for one reason";

        inhibitor.Hold(QStringLiteral("Recording"));
        ASSERT_EQ(loginManager.Calls().size(), 2u);
        EXPECT_EQ(loginManager.Calls()[1].why, "Recording");
        EXPECT_EQ(inhibitor.Why(), "Recording");
        EXPECT_TRUE(ReleasedSoon(loginManager, 0)) << "the lock it replaced";

        inhibitor.Release();
        EXPECT_FALSE(inhibitor.IsHeld());
        EXPECT_TRUE(ReleasedSoon(loginManager, 1));

        inhibitor.Hold(QStringLiteral("Recording"));
        ASSERT_EQ(loginManager.Calls().size(), 3u);
    }
    EXPECT_TRUE(ReleasedSoon(loginManager, 2)) << "released when the holder goes";
}

TEST(SleepInhibitor, WithoutALoginManagerNothingIsHeldAndNothingSaid)
{
    g_said.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Collect);
    SleepInhibitor inhibitor;
    inhibitor.Hold(QStringLiteral("Recording")); // the tests' system bus is not there
    EXPECT_FALSE(inhibitor.IsHeld());
    {
        LoginManagerStandIn busAlone(false);
        ASSERT_EQ(busAlone.Failure(), "");
        inhibitor.Hold(QStringLiteral("Recording"));
        EXPECT_FALSE(inhibitor.IsHeld());
        EXPECT_EQ(inhibitor.Why(), "");
    }
    inhibitor.Release();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_said.empty()) << g_said.front().toStdString();
}

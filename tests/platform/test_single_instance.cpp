// One program per session over a private bus: who gets the name, calls waiting until the
// window can answer, and answers passed back whole. A call to nobody, or to a program that
// does not answer, is tested with what a start makes of it (test_outside_commands); no bus,
// with the program itself (test_one_instance).

#include "platform/SingleInstance.h"
#include "support/PrivateBus.h"
#include "support/QStringPrinter.h"

#include <QTimer>

#include <gtest/gtest.h>

using platform::SingleInstance;

namespace {

const QString APP_ID = QStringLiteral("org.example.tessavox.test");
const QStringList COMMANDS{QStringLiteral("Record"), QStringLiteral("Stop")};

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(bus.Failure(), ""); }

    tests::PrivateBus bus;
};

} // namespace

TEST_F(SingleInstanceTest, TheFirstClaimWinsUntilItLetsGo)
{
    SingleInstance first(APP_ID, COMMANDS), second(APP_ID, COMMANDS);
    EXPECT_EQ(first.ClaimName(), SingleInstance::Claim::Owned);
    EXPECT_EQ(second.ClaimName(), SingleInstance::Claim::HeldByAnother);
    // Another program's name is no obstacle.
    SingleInstance other(APP_ID + QStringLiteral("2"), COMMANDS);
    EXPECT_EQ(other.ClaimName(), SingleInstance::Claim::Owned);
    first.Release();
    EXPECT_EQ(second.ClaimName(), SingleInstance::Claim::Owned);
}

TEST_F(SingleInstanceTest, CallsWaitForTheWindowAndGetItsAnswers)
{
    SingleInstance owner(APP_ID, COMMANDS), caller(APP_ID, COMMANDS);
    ASSERT_EQ(owner.ClaimName(), SingleInstance::Claim::Owned);
    int activations = 0;
    QStringList commands;
    // The window comes a moment after the call: the call waits for it.
    QTimer::singleShot(200, [&] {
        owner.Serve([&] { ++activations; },
                    [&](const QString& command) {
                        commands << command;
                        return platform::CommandAnswer{command == "Stop", "Refused: \"" + command + "\"\nsecond line"};
                    });
    });
    const SingleInstance::Reply raised = caller.Call(SingleInstance::ACTIVATE, 5000);
    EXPECT_EQ(raised.outcome, SingleInstance::Outcome::Answered) << raised.error.toStdString();
    EXPECT_TRUE(raised.answer.done);
    EXPECT_EQ(activations, 1);

    const SingleInstance::Reply refused = caller.Call("Record", 5000);
    EXPECT_EQ(refused.outcome, SingleInstance::Outcome::Answered);
    EXPECT_FALSE(refused.answer.done);
    EXPECT_EQ(refused.answer.refusal, "Refused: \"Record\"\nsecond line");
    const SingleInstance::Reply done = caller.Call("Stop", 5000);
    EXPECT_TRUE(done.answer.done);
    EXPECT_EQ(commands, (QStringList{"Record", "Stop"}));

    // A method the program does not have runs nothing.
    EXPECT_EQ(caller.Call("Pause", 5000).outcome, SingleInstance::Outcome::NoAnswer);
    EXPECT_EQ(commands.size(), 2);
    EXPECT_EQ(activations, 1);
}

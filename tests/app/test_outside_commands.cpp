// The window's buttons pressed by a later start of the program: the same refusals in the
// same words, answered to the caller instead of shown in a box nobody may be there to
// close; and what the caller makes of each answer.

#include "app/HandOver.h"
#include "platform/SingleInstance.h"
#include "support/PrivateBus.h"
#include "support/ScheduleFixture.h"
#include "support/WaveFile.h"
#include "support/WindowFixture.h"

#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <optional>

using OutsideCommands = WindowFixture;

namespace {

struct Expected {
    bool done;
    const char* refusal;
};

void ExpectAnswer(const platform::CommandAnswer& answer, Expected expected)
{
    EXPECT_EQ(answer.done, expected.done);
    EXPECT_EQ(answer.refusal, QString::fromUtf8(expected.refusal));
}

} // namespace

TEST_F(OutsideCommands, ButtonsPressedWithTheWindowsRefusalsAndNoBox)
{
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Record), {false, "Please select the audio save path."});
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);

    PrepareWave(Path("take.wav"));
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Record), {true, ""});
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(window->m_statusBar.Text(0), "Recording");
    // The button is disabled now; the command says why.
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Record), {false, "Tessavox is already recording."});

    // Whole buffers, which pausing keeps or drops.
    Feed(2048);
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Pause), {true, ""});
    EXPECT_EQ(MainText(IDC_PAUSE), "Resume");
    Feed(2048); // paused: not written
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Pause), {true, ""});
    EXPECT_EQ(MainText(IDC_PAUSE), "Pause");
    Feed(2048);
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Stop), {true, ""});
    ASSERT_EQ(Engine().m_nStatus, STATUS_STOPPING);
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Record),
                 {false, "Tessavox is still closing the last recording; try again in a moment."});
    Pump();
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");
    const auto wave = ReadRecordedWave(Path("take.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->dataSize, 2u * 4096);

    // The question whether to replace it is answered No: nobody said Yes.
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Record),
                 {false, qPrintable(Path("take.wav") + " already exists.\nDo you want to replace it?")});
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(QFile(Path("take.wav")).size(), static_cast<qint64>(wave->bytes.size()));
    // Stop with nothing running is what the button does too: it says Stopped.
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Stop), {true, ""});
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");
    EXPECT_TRUE(messages.Messages().empty()) << "no box was shown: " << messages.Texts().front().toStdString();
}

using OutsideScheduleCommands = ScheduleFixture;

// Record with a start time arms it, as the button does; a refused time is a refusal even with
// an earlier start still waiting.
TEST_F(OutsideScheduleCommands, RecordArmsTheStartOrSaysWhyNot)
{
    PrepareWave(Path("armed.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 10);
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Record), {true, ""});
    EXPECT_TRUE(window->IsTimerSet(IDT_START));
    Plan(Local(2024, 6, 12, 9, 0, 0), 10);
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Record),
                 {false, "Please check time setting in schedule panel, it's incorrect."});
    EXPECT_TRUE(window->IsTimerSet(IDT_START)) << "the earlier start still waits";
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(OutsideCommands, NothingIsDoneBehindABoxThatWaitsForTheUser)
{
    PrepareWave(Path("behind.wav"));
    QMessageBox box(QMessageBox::Question, "Tessavox", "Replace?", QMessageBox::Yes | QMessageBox::No, window.get());
    std::optional<platform::CommandAnswer> answer;
    QTimer::singleShot(0, &box, [&] {
        answer = window->RunOutsideCommand(WindowCommand::Record);
        box.reject();
    });
    box.exec();
    ASSERT_TRUE(answer);
    ExpectAnswer(*answer, {false, "Tessavox is waiting for an answer in its window."});
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    ExpectAnswer(window->RunOutsideCommand(WindowCommand::Record), {true, ""});
}

// What a plain later start does, as the icon's "Show Tessavox" does.
TEST_F(OutsideCommands, AMinimisedWindowIsShownAndRaised)
{
    window->setWindowState(Qt::WindowMinimized);
    window->ShowWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->windowState() & Qt::WindowMinimized);
    window->hide();
    window->ShowWindow();
    EXPECT_TRUE(window->isVisible());
}

// A start that finds the program running but not answering does not wait for ever, and says
// so. Its other answers are the program's own exit statuses (test_one_instance).
TEST(HandOver, ARunningProgramThatDoesNotAnswerIsGivenUp)
{
    tests::PrivateBus bus;
    ASSERT_EQ(bus.Failure(), "");
    platform::SingleInstance silent(QStringLiteral("org.example.handover"), CommandNames()),
        caller(QStringLiteral("org.example.handover"), CommandNames());
    ASSERT_EQ(silent.ClaimName(), platform::SingleInstance::Claim::Owned);
    const HandOverResult late = HandOver(caller, WindowCommand::Stop, 300);
    EXPECT_EQ(late.status, EXIT_REFUSED);
    EXPECT_TRUE(late.message.startsWith("Tessavox is running but did not answer")) << late.message.toStdString();
}

// A scheduled take that watches itself: a silent input is told to the desktop and in the
// status bar without stopping the take, told again only for a later silence and at most
// once an hour, and never where silence is expected; the report at the end counts the
// breaks in the sound.

#include "support/ScheduleFixture.h"

#include <QRegularExpression>
#include <QSpinBox>

namespace {

// A tenth of a second of sound at the page's first rate, 22050 Hz.
constexpr unsigned STEP_FRAMES = 2205;
// The input says nothing, but for one step of sound at step 35.
const platform::VirtualDeviceSpec QUIET_DESK{.name = QStringLiteral("Desk Microphone"),
                                             .signal = platform::VirtualSignal::Sine,
                                             .soundFrames = STEP_FRAMES,
                                             .burstStart = 34 * STEP_FRAMES};
const QString WARNING = QStringLiteral("No sound from Desk Microphone for 5 minutes");

class ScheduledSilence : public ScheduleFixture {
protected:
    void UseDevice(const platform::VirtualDeviceSpec& device)
    {
        audio.SetDevices(platform::Direction::Capture, {device});
        Reopen();
        Choose(IDC_DEVICE, 0);
        Choose(IDC_FILE_TYPE, 1);
        TypePath(Path("watched.wav"));
    }

    // A take that the schedule starts in a minute and ends after seconds.
    void StartScheduled(int seconds)
    {
        m_nToldBefore = desktop.Received().size();
        m_nSteps = 0;
        Plan(platform::CurrentTime() + 60, seconds);
        Click(IDC_RECORD);
        Wait(60);
        ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
        ASSERT_TRUE(desktop.WaitFor(m_nToldBefore + 1));
    }
    // What the desktop was told of the take, from its start on.
    const tests::Notification& Told(std::size_t n) const { return desktop.Received()[m_nToldBefore + n]; }
    bool WaitForTold(std::size_t n) const { return desktop.WaitFor(m_nToldBefore + n); }

    // Ten seconds go by on the clock for each step, with a tenth of a second of sound: the
    // watch goes by the clock, not by the frames.
    void Listen(int steps)
    {
        for (int i = 0; i < steps; ++i) {
            Wait(10);
            Feed(STEP_FRAMES);
            ++m_nSteps;
        }
    }
    void ListenUntilStep(int step) { Listen(step - m_nSteps); }

    int m_nSteps = 0;
    std::size_t m_nToldBefore = 0;
};

TEST_F(ScheduledSilence, ASilentInputIsToldOnceAndAgainOnlyAfterAnHour)
{
    UseDevice(QUIET_DESK);
    EXPECT_TRUE(ScheduleControl<QAbstractButton>(IDC_WARN_SILENCE)->isChecked()) << "on for new settings";
    EXPECT_EQ(ScheduleControl<QSpinBox>(IDC_SILENT_FOR)->value(), 5);
    StartScheduled(3 * 3600);

    ListenUntilStep(28);
    EXPECT_EQ(Status(1), Path("watched.wav")) << "not five minutes yet";
    ListenUntilStep(33);
    EXPECT_EQ(Status(1), WARNING);
    EXPECT_EQ(Status(0), "Recording");
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING) << "the take goes on";
    ASSERT_TRUE(WaitForTold(2));
    EXPECT_EQ(Told(1).summary, WARNING);
    EXPECT_EQ(Told(1).body, Path("watched.wav"));

    // Sound at step 35: the status bar shows the take again.
    ListenUntilStep(36);
    EXPECT_EQ(Status(0), "Recording");
    EXPECT_EQ(Status(1), Path("watched.wav"));

    // The silence after it lasts far beyond five minutes, but the last warning was less
    // than an hour ago (at about step 31): told only once that hour is up.
    ListenUntilStep(388);
    EXPECT_EQ(Status(1), Path("watched.wav"));
    ListenUntilStep(395);
    EXPECT_EQ(Status(1), WARNING);
    ASSERT_TRUE(WaitForTold(3));
    EXPECT_EQ(Told(2).summary, WARNING);
}

// Skipping silence expects it; a clear box asks for nothing. Either way the only news is the
// start and the end.
TEST_F(ScheduledSilence, NeverToldWithSkipSilenceOrTheBoxClear)
{
    for (const bool skip : {true, false}) {
        SCOPED_TRACE(skip ? "skip silence" : "box clear");
        UseDevice(QUIET_DESK);
        // The window before kept its settings: each case sets both boxes.
        if (PageControl<QAbstractButton>(IDC_SKIP_SILENCE)->isChecked() != skip)
            ClickOnPage(IDC_SKIP_SILENCE);
        Tick(IDC_SCHEDULE_ENABLE, true);
        Tick(IDC_WARN_SILENCE, skip);
        StartScheduled(30 * 60);
        ListenUntilStep(30 * 6);
        EXPECT_NE(Status(1), WARNING);
        ASSERT_EQ(Engine().m_nStatus, STATUS_READY) << "the schedule ended it";
        ASSERT_TRUE(WaitForTold(2));
        EXPECT_EQ(Told(1).summary, "Scheduled recording finished");
    }
}

TEST_F(ScheduledSilence, TheMinutesSetAreTheMinutesWatchedAndTold)
{
    UseDevice({.name = QStringLiteral("Line 2"), .signal = platform::VirtualSignal::Silence});
    ScheduleControl<QSpinBox>(IDC_SILENT_FOR)->setValue(1);
    StartScheduled(3600);
    ListenUntilStep(5);
    EXPECT_EQ(Status(1), Path("watched.wav"));
    ListenUntilStep(8);
    EXPECT_EQ(Status(1), "No sound from Line 2 for 1 minute");
}

// The end of a scheduled take says what it recorded, with the breaks when sound was lost.
TEST_F(ScheduledSilence, TheEndReportCountsTheBreaksInTheSound)
{
    UseDevice({.name = QStringLiteral("Overrun"), .signal = platform::VirtualSignal::Sine,
               .fault = platform::VirtualFault::DropBuffers, .failAfter = 4});
    StartScheduled(10);
    for (int i = 0; i < 10; ++i) {
        Feed(22050);
        Wait(1);
    }
    Pump();
    ASSERT_EQ(Engine().m_nStatus, STATUS_READY);
    const std::uint32_t breaks = Engine().CurrentTake().Breaks();
    EXPECT_GE(breaks, 2u);
    ASSERT_TRUE(WaitForTold(2));
    EXPECT_EQ(Told(1).summary, "Scheduled recording finished");
    const QString body = Told(1).body;
    const QRegularExpression report(
        QRegularExpression::escape(Path("watched.wav")) +
        QStringLiteral("\\n00:00:0(\\d) recorded, \\d+\\.\\d KB, (\\d+) breaks in the sound"));
    const QRegularExpressionMatch match = report.match(body);
    ASSERT_TRUE(match.hasMatch()) << body.toStdString();
    // Sound was lost: less than the ten seconds recorded were kept.
    EXPECT_LT(match.captured(1).toInt(), 9);
    EXPECT_EQ(match.captured(2).toUInt(), breaks);
    // The status bar says the same as the report.
    EXPECT_EQ(Status(1), body.mid(body.indexOf('\n') + 1));
}

} // namespace

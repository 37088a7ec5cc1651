// The icon's tool tip for each state of the program, what the window tells the icon as a
// take is armed, made, paused, skips silence and stops, and the decision that keeps a window
// started minimised within reach where the window manager did not minimise it.

#include "app/TrayIcon.h"
#include "platform/LocalTime.h"
#include "support/QStringPrinter.h"
#include "support/ScheduleFixture.h"

#include <gtest/gtest.h>

namespace {

using Activity = TrayState::Activity;

TEST(TrayToolTip, SaysWhatTheProgramDoes)
{
    const struct {
        TrayState state;
        const char* expected;
    } cases[] = {
        {{}, "Idle"},
        {{Activity::Recording, QStringLiteral("radio.mp3"), 12 * 60 + 4, 0}, "Recording radio.mp3 00:12:04"},
        // A recording longer than a day counts its hours on, unlike the window's time.
        {{Activity::Recording, QStringLiteral("night.wav"), 25 * 3600 + 61, 0}, "Recording night.wav 25:01:01"},
        {{Activity::Paused, QStringLiteral("radio.mp3"), 59, 0}, "Paused radio.mp3 00:00:59"},
        {{Activity::WaitingForSound, QStringLiteral("radio.mp3"), 3, 0}, "Waiting for sound"},
        {{Activity::Playing, QString(), 0, 0}, "Playing"},
        {{Activity::StartArmed, QString(), 0, platform::FromLocal({2026, 12, 11, 7, 0, 0})},
         "Next recording at 2026-12-11 07:00"},
        {{Activity::StartArmed, QString(), 0, platform::FromLocal({2027, 1, 2, 23, 59, 30})},
         "Next recording at 2027-01-02 23:59"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrayToolTip(c.state), QString::fromUtf8(c.expected));
}

// The window's state as the icon says it (no icon on the offscreen platform: the same state
// is what it would be fed).
using TrayStateOfTheWindow = ScheduleFixture;

TEST_F(TrayStateOfTheWindow, FollowsAScheduledTakeFromItsArmingToItsEnd)
{
    const auto toolTip = [&] { return TrayToolTip(window->TrayStateNow()); };
    EXPECT_EQ(toolTip(), "Idle");
    PrepareWave(Path("planned.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 3600);
    Click(IDC_RECORD);
    EXPECT_EQ(toolTip(), "Next recording at 2024-06-12 10:00");

    Wait(60);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(toolTip(), "Recording planned.wav 00:00:00");
    for (int i = 0; i < 3; ++i) {
        Feed(22050);
        Wait(1);
    }
    EXPECT_EQ(toolTip(), "Recording planned.wav 00:00:03");
    Click(IDC_PAUSE);
    Wait(2);
    EXPECT_EQ(toolTip(), "Paused planned.wav 00:00:03");
    Click(IDC_PAUSE);
    Click(IDC_STOP);
    EXPECT_EQ(toolTip(), "Idle");
}

TEST_F(TrayStateOfTheWindow, ATakeThatSkipsSilenceWaitsForSound)
{
    PrepareWave(Path("quiet.wav"));
    Choose(IDC_DEVICE, SILENCE);
    ClickOnPage(IDC_SKIP_SILENCE);
    Click(IDC_RECORD);
    Feed(4000);
    EXPECT_EQ(TrayToolTip(window->TrayStateNow()), "Waiting for sound");
    Click(IDC_STOP);
    Pump();
    EXPECT_EQ(TrayToolTip(window->TrayStateNow()), "Idle");
}

TEST(MinimizedStart, TheWindowIsShownWhereItCouldBeNowhere)
{
    const struct {
        bool visible, exposed, minimized, platformReportsMinimized;
        bool reachable;
        const char* what;
    } cases[] = {
        {true, true, false, true, true, "the window manager ignored the request: the window is on screen"},
        {true, true, true, true, true, "no window manager: mapped anyway, on screen"},
        {true, false, true, true, true, "minimised, as an X11 window manager reports it"},
        {true, false, false, true, false, "neither on screen nor minimised"},
        {true, false, true, false, false, "a Wayland compositor may have left no window at all"},
        {false, true, true, true, false, "hidden"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MinimizedWindowReachable(c.visible, c.exposed, c.minimized, c.platformReportsMinimized), c.reachable)
            << c.what;
}

} // namespace

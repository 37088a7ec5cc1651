// The part of a capture stream that is the recording, as the backends walk it: edges placed
// after the sound has begun to arrive, and a stop placed after sound beyond it was taken.

#include "platform/audio/CaptureWindow.h"

#include <gtest/gtest.h>

using platform::CaptureWindow;

namespace {

// Walks `available` bytes through the window as a backend does; what was kept.
std::size_t Walk(CaptureWindow& window, std::size_t available)
{
    const CaptureWindow::Share share = window.Next(available);
    window.Advance(share.skip + share.keep);
    return share.keep;
}

} // namespace

TEST(CaptureWindow, NothingIsTakenWhileAnEdgeIsAwaited)
{
    CaptureWindow window;
    window.Restart();
    EXPECT_EQ(Walk(window, 100), 0u);
    EXPECT_EQ(window.Position(), 0u);
    window.SetStart(40);
    EXPECT_EQ(window.Next(100).skip, 40u);
    EXPECT_EQ(Walk(window, 100), 60u);
    // Asked to finish: what comes next may lie after the stop, so it waits for it.
    window.AwaitStop();
    EXPECT_EQ(Walk(window, 100), 0u);
    EXPECT_FALSE(window.Reached());
    window.SetStop(130);
    EXPECT_EQ(Walk(window, 100), 30u);
    EXPECT_TRUE(window.Reached());
    EXPECT_EQ(window.Overshoot(), 0u);
    EXPECT_EQ(Walk(window, 100), 0u);
    // A stop given up (a reset) keeps what arrives; a new round forgets an awaited stop.
    window.Restart();
    window.SetStart(0);
    window.AwaitStop();
    window.CancelStop();
    EXPECT_EQ(Walk(window, 100), 100u);
    window.AwaitStop();
    window.Restart();
    window.SetStart(0);
    EXPECT_EQ(Walk(window, 100), 100u);
}

TEST(CaptureWindow, EdgesPlacedBehindTheWalkKeepWhatWasTaken)
{
    CaptureWindow window;
    window.SetStart(0);
    EXPECT_EQ(Walk(window, 500), 500u);
    // A second round that began late: its start lies behind the bytes already walked.
    window.Restart();
    window.SetStart(200);
    EXPECT_EQ(window.Next(10).skip, 0u);
    EXPECT_EQ(Walk(window, 100), 100u);
    // A stop placed before the start is the start; one placed behind the walk is overshot.
    window.SetStop(100);
    EXPECT_TRUE(window.Reached());
    EXPECT_EQ(window.Overshoot(), 100u);
}

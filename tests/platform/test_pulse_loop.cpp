// The loop both PulseAudio connections run on, gathering: it wakes at most once an interval,
// yet takes in everything sent meanwhile, however many turns that needs.

#include "platform/pulse/PulseLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

using platform::PulseLoop;

// libpulse reads one message from a socket per turn of the loop, as this reader reads one
// byte: a loop that waited out an interval before every turn would take in a message an
// interval (PipeWire's sound came in at a third of its rate).
TEST(PulseLoop, GatheringTakesInEverythingAlreadySentAtEachWake)
{
    int pipeEnds[2];
    ASSERT_EQ(::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC), 0);
    constexpr int MESSAGES = 40;
    std::atomic<int> read{0};
    PulseLoop loop;
    ASSERT_TRUE(loop.Usable());
    pa_io_event* reader = nullptr;
    {
        PulseLoop::Lock lock(loop);
        loop.Gather(std::chrono::milliseconds(150));
        pa_mainloop_api* api = loop.Api();
        reader = api->io_new(
            api, pipeEnds[0], PA_IO_EVENT_INPUT,
            [](pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* count) {
                char byte = 0;
                if (::read(fd, &byte, 1) == 1)
                    ++*static_cast<std::atomic<int>*>(count);
            },
            &read);
    }
    const char messages[MESSAGES] = {};
    ASSERT_EQ(::write(pipeEnds[1], messages, MESSAGES), MESSAGES);
    // Waiting with the loop's own waits would stop its gathering: the count is looked at.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (read.load() < MESSAGES && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(read.load(), MESSAGES) << "read in 3 s; one an interval would take 6 s";
    {
        PulseLoop::Lock lock(loop);
        loop.Api()->io_free(reader);
    }
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

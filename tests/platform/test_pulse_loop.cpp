#include "platform/pulse/PulseLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

// libpulse reads one message from a socket per turn, as this reader reads one byte: a loop
// that waited out its gathering interval before every turn would take in one an interval.
// What a batch took in is handed on when the loop is about to wait, all of it at once.
TEST(PulseLoop, GatheringTakesInEverythingAlreadySentAtEachWake)
{
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
    std::atomic<int> read{0};
    std::vector<int> seenBeforeWaits;
    {
        platform::PulseLoop loop;
        {
            platform::PulseLoop::Lock lock(loop);
            loop.SetBeforeWait([&](bool) {
                seenBeforeWaits.push_back(read.load());
                return -1;
            });
            loop.Gather(std::chrono::milliseconds(150));
            loop.Api()->io_new(
                loop.Api(), ends[0], PA_IO_EVENT_INPUT,
                [](pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* count) {
                    char byte = 0;
                    if (::read(fd, &byte, 1) == 1)
                        ++*static_cast<std::atomic<int>*>(count);
                },
                &read);
        }
        ASSERT_EQ(::write(ends[1], "0123456789012345678901234567890123456789", 40), 40);
        // The loop's own waits would stop its gathering: the count is looked at instead.
        for (int tries = 0; tries < 300 && read.load() < 40; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(read.load(), 40) << "read in 3 s; one an interval would take 6 s";
        platform::PulseLoop::Lock lock(loop);
        for (int seen : seenBeforeWaits)
            EXPECT_TRUE(seen == 0 || seen == 40) << "the loop waited with " << seen << " of 40 bytes taken in";
    }
    ::close(ends[0]);
    ::close(ends[1]);
}

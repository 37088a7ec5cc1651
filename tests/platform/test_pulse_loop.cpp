#include "platform/pulse/PulseLoop.h"
#include "platform/pulse/LoopEvents.h"

#include <gtest/gtest.h>

#include <pulse/timeval.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A pipe the loop watches, and which thread took in each byte; read a byte a turn, as
// libpulse reads a message, or all there is. The loop stops watching it before it is closed:
// a descriptor closed while watched may be reused at once, by anything, and the loop would
// read that instead.
struct WatchedPipe {
    platform::PulseLoop& loop;
    const bool byteATurn;
    int ends[2] = {-1, -1};
    pa_io_event* watch = nullptr;
    std::vector<std::thread::id> readers; // under the loop's lock
    std::atomic<std::size_t> taken{0};    // readers' count, to be looked at without the lock

    explicit WatchedPipe(platform::PulseLoop& watcher, bool oneByteATurn = false) : loop(watcher), byteATurn(oneByteATurn)
    {
        EXPECT_EQ(::pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
        platform::PulseLoop::Lock lock(loop);
        watch = loop.Api()->io_new(
            loop.Api(), ends[0], PA_IO_EVENT_INPUT,
            [](pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* self) {
                auto* pipe = static_cast<WatchedPipe*>(self);
                char byte = 0;
                while (::read(fd, &byte, 1) == 1) {
                    pipe->readers.push_back(std::this_thread::get_id());
                    ++pipe->taken;
                    if (pipe->byteATurn)
                        break;
                }
            },
            this);
    }
    ~WatchedPipe()
    {
        {
            platform::PulseLoop::Lock lock(loop);
            loop.Api()->io_free(watch);
        }
        ::close(ends[0]);
        ::close(ends[1]);
    }
    std::size_t Read()
    {
        platform::PulseLoop::Lock lock(loop);
        return readers.size();
    }
};

} // namespace

// A loop that waited out its gathering interval before every turn would take in one byte
// an interval. What a batch took in is handed on when the loop is about to wait, all of it
// at once.
TEST(PulseLoop, GatheringTakesInEverythingAlreadySentAtEachWake)
{
    std::vector<std::size_t> seenBeforeWaits;
    platform::PulseLoop loop;
    WatchedPipe pipe(loop, true);
    {
        platform::PulseLoop::Lock lock(loop);
        loop.SetBeforeWait([&](bool) {
            seenBeforeWaits.push_back(pipe.readers.size());
            return -1;
        });
        loop.Gather(std::chrono::milliseconds(150));
    }
    ASSERT_EQ(::write(pipe.ends[1], "0123456789012345678901234567890123456789", 40), 40);
    // The loop's own waits would stop its gathering: the count is looked at instead.
    for (int tries = 0; tries < 300 && pipe.taken.load() < 40; ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(pipe.taken.load(), 40u) << "read in 3 s; one an interval would take 6 s";
    platform::PulseLoop::Lock lock(loop);
    for (std::size_t seen : seenBeforeWaits)
        EXPECT_TRUE(seen == 0 || seen == 40) << "the loop waited with " << seen << " of 40 bytes taken in";
    loop.SetBeforeWait({}); // the pipe goes before the loop
}

// While lent, the sound is taken in by the watcher's pumps alone; when they stop, the loop's
// thread takes it in again, and a wait on the loop is never left to a pump.
TEST(PulseLoop, ALentLoopRunsOnThePumpingThreadUntilThePumpsStop)
{
    platform::PulseLoop loop;
    WatchedPipe pipe(loop);
    {
        platform::PulseLoop::Lock lock(loop);
        loop.Gather(std::chrono::milliseconds(36));
        loop.Lend(true);
        EXPECT_FALSE(loop.Pump()) << "the first pump only asks for the loop";
    }
    // The thread hands the loop over once it has run a turn: a byte wakes it. A busy machine
    // may run that turn after the pump's asking has lapsed: each try sends a byte again.
    const auto lent = [&] {
        for (int tries = 0; tries < 300; ++tries) {
            EXPECT_EQ(::write(pipe.ends[1], "a", 1), 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            platform::PulseLoop::Lock lock(loop);
            if (loop.Pump())
                return true;
        }
        return false;
    };
    ASSERT_TRUE(lent());

    const std::size_t before = pipe.Read();
    ASSERT_EQ(::write(pipe.ends[1], "bcd", 3), 3);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(pipe.Read(), before) << "the loop's thread took in sound that was lent";
    {
        platform::PulseLoop::Lock lock(loop);
        EXPECT_TRUE(loop.Pump());
        ASSERT_EQ(pipe.readers.size(), before + 3);
        EXPECT_EQ(pipe.readers.back(), std::this_thread::get_id());
        // A wait takes the loop back at once: its answer comes from the loop's thread.
        struct Answer {
            platform::PulseLoop* loop;
            bool done = false;
        } answer{&loop};
        timeval when{};
        pa_timeval_add(pa_gettimeofday(&when), 20 * PA_USEC_PER_MSEC);
        pa_time_event* soon = loop.Api()->time_new(
            loop.Api(), &when,
            [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
                auto* answer = static_cast<Answer*>(self);
                answer->done = true;
                answer->loop->Signal();
            },
            &answer);
        EXPECT_TRUE(loop.WaitUntil([&] { return answer.done; },
                                   platform::PulseLoop::Clock::now() + std::chrono::seconds(5)));
        loop.Api()->time_free(soon);
    }

    // The loop is lent again after the wait, and a watcher that then stalls does not leave the
    // sound waiting for it: the thread takes it back.
    ASSERT_TRUE(lent());
    const std::size_t stalled = pipe.Read();
    ASSERT_EQ(::write(pipe.ends[1], "f", 1), 1);
    for (int tries = 0; tries < 300 && pipe.Read() == stalled; ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    platform::PulseLoop::Lock lock(loop);
    ASSERT_EQ(pipe.readers.size(), stalled + 1) << "the sound waited for a pump that never came";
    EXPECT_NE(pipe.readers.back(), std::this_thread::get_id());
}

// libpulse's own loop runs pending deferred calls alone before anything else, and frees an
// event only after the turn that freed it: its callbacks rely on both.
TEST(LoopEvents, RunsDeferredCallsFirstAndFreesEventsAfterTheTurn)
{
    platform::LoopEvents events([] { return true; });
    pa_mainloop_api* api = events.Api();
    struct Log {
        std::vector<std::string> ran;
        pa_time_event* second = nullptr;
        int destroyed = 0;
    } log;
    timeval now{};
    pa_gettimeofday(&now);
    pa_time_event* first = api->time_new(
        api, &now,
        [](pa_mainloop_api* a, pa_time_event*, const timeval*, void* self) {
            auto* log = static_cast<Log*>(self);
            log->ran.push_back("first");
            a->time_free(log->second);
        },
        &log);
    log.second = api->time_new(
        api, &now,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
            static_cast<Log*>(self)->ran.push_back("second");
        },
        &log);
    api->time_set_destroy(log.second,
                          [](pa_mainloop_api*, pa_time_event*, void* self) { ++static_cast<Log*>(self)->destroyed; });
    pa_defer_event* defer = api->defer_new(
        api,
        [](pa_mainloop_api* a, pa_defer_event* e, void* self) {
            static_cast<Log*>(self)->ran.push_back("defer");
            a->defer_enable(e, 0);
        },
        &log);
    timeval later{};
    pa_timeval_add(pa_gettimeofday(&later), 500 * PA_USEC_PER_MSEC);
    pa_time_event* last = api->time_new(
        api, &later, [](pa_mainloop_api*, pa_time_event*, const timeval*, void*) {}, nullptr);

    auto turn = [&events] {
        const int timeout = events.Prepare(true);
        std::vector<pollfd>& fds = events.PollSet();
        return events.Dispatch(events.Deferred() ? 0 : ::poll(fds.data(), fds.size(), timeout));
    };
    EXPECT_EQ(turn(), 1);
    EXPECT_EQ(turn(), 1);
    EXPECT_EQ(log.ran, (std::vector<std::string>{"defer", "first"}));
    EXPECT_EQ(log.destroyed, 0) << "freed in the middle of the turn";
    const int timeout = events.Prepare(true);
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_GT(timeout, 0);
    EXPECT_LE(timeout, 500) << "a wall-clock time half a second away";
    api->time_free(first);
    api->time_free(last);
    api->defer_free(defer);
}

// A descriptor that is not open (closed by its owner while watched) answers every poll at
// once: it is told to its owner as an error, once, and then left out, so the loop neither
// spins nor keeps its lock from the other threads.
TEST(LoopEvents, ADescriptorNotOpenIsToldAsAnErrorOnceAndThenLeftOut)
{
    // Far above any descriptor this process opens: nothing can come to hold it meanwhile.
    constexpr int NOT_OPEN = (1 << 20) - 1;
    ASSERT_EQ(::fcntl(NOT_OPEN, F_GETFD), -1);
    platform::LoopEvents events([] { return true; });
    pa_mainloop_api* api = events.Api();
    std::vector<pa_io_event_flags_t> told;
    pa_io_event* watch = api->io_new(
        api, NOT_OPEN, PA_IO_EVENT_INPUT,
        [](pa_mainloop_api*, pa_io_event*, int, pa_io_event_flags_t flags, void* self) {
            static_cast<std::vector<pa_io_event_flags_t>*>(self)->push_back(flags);
        },
        &told);
    for (int turn = 0; turn < 3; ++turn) {
        events.Prepare(false);
        std::vector<pollfd>& fds = events.PollSet();
        events.Dispatch(::poll(fds.data(), fds.size(), 0));
    }
    EXPECT_EQ(told, (std::vector<pa_io_event_flags_t>{PA_IO_EVENT_ERROR}));
    api->io_free(watch);
}

// Direct timers: their ticks keep their id, may kill or restart the timer from within, and
// pass the application's event filters by where the event loop allows it.

#include "platform/WindowTimers.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tests {
namespace {

struct Ticked : QObject {
    std::unique_ptr<platform::WindowTimers> timers =
        std::make_unique<platform::WindowTimers>(this, platform::WindowTimers::Delivery::Direct);
    std::function<void(int)> onTick;
    int ticks = 0;
    void timerEvent(QTimerEvent* e) override
    {
        ++ticks;
        onTick(timers->IdOf(e));
    }
};

struct TimerEventsSeen : QObject {
    const QObject* of = nullptr;
    int seen = 0;
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        seen += watched == of && e->type() == QEvent::Timer;
        return false;
    }
};

// Runs the loop until done() holds, looked at every millisecond, or limitMs have passed.
bool RunUntil(const std::function<bool()>& done, int limitMs = 5000)
{
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (done())
            loop.quit();
    });
    look.start(1);
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

TEST(WindowTimersTest, DirectTicksKeepTheirIdAndSurviveTheirTimerBeingRestartedKilledOrDestroyed)
{
    Ticked owner;
    TimerEventsSeen filter;
    filter.of = &owner;
    QCoreApplication::instance()->installEventFilter(&filter);
    std::vector<int> ids;
    owner.onTick = [&](int id) {
        ids.push_back(id);
        if (ids.size() == 1)
            owner.timers->Set(7, 2); // restarted from its own tick
        if (ids.size() == 4)
            owner.timers->Kill(7);
    };
    owner.timers->Set(7, 2);
    ASSERT_TRUE(RunUntil([&] { return ids.size() >= 4; }));
    EXPECT_EQ(ids, std::vector<int>(4, 7));
    EXPECT_FALSE(owner.timers->IsSet(7));
    // Nothing comes after the kill.
    RunUntil([] { return false; }, 30);
    EXPECT_EQ(owner.ticks, 4);
    // GLib's loop (the desktop's, and the tests') sends the ticks straight to the owner.
    const bool glib = QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib");
    EXPECT_EQ(filter.seen, glib ? 0 : 4);
    QCoreApplication::instance()->removeEventFilter(&filter);

    // Timers that go with their owner's timers, running, leave no tick behind.
    owner.onTick = [&](int) { owner.timers.reset(); };
    owner.timers->Set(3, 1);
    ASSERT_TRUE(RunUntil([&] { return !owner.timers; }));
    RunUntil([] { return false; }, 20);
    EXPECT_EQ(owner.ticks, 5);
}

} // namespace
} // namespace tests

// Direct timers: their ticks keep their id, may restart, kill or destroy the timers from
// within, and pass the application's event filters by where the event loop allows it.

#include "platform/WindowTimers.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTest>
#include <QTimerEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tests {
namespace {

struct Ticked : QObject {
    std::unique_ptr<platform::WindowTimers> timers =
        std::make_unique<platform::WindowTimers>(this, platform::WindowTimers::Delivery::Direct);
    std::vector<int> ids;
    std::function<void()> onTick;
    int filtered = 0; // its ticks seen by the application's filters
    void timerEvent(QTimerEvent* e) override
    {
        ids.push_back(timers->IdOf(e));
        onTick();
    }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        filtered += watched == this && e->type() == QEvent::Timer;
        return false;
    }
};

TEST(WindowTimersTest, DirectTicksKeepTheirIdAndSurviveTheirTimersBeingRestartedKilledOrDestroyed)
{
    Ticked owner;
    QCoreApplication::instance()->installEventFilter(&owner);
    owner.onTick = [&] {
        if (owner.ids.size() == 1)
            owner.timers->Set(7, 2);
        if (owner.ids.size() == 4)
            owner.timers->Kill(7);
    };
    owner.timers->Set(7, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return owner.ids.size() >= 4; }, 5000));
    QTest::qWait(30); // nothing comes after the kill
    EXPECT_EQ(owner.ids, std::vector<int>(4, 7));
    EXPECT_FALSE(owner.timers->IsSet(7));
    // GLib's loop (the desktop's, and the tests') sends the ticks straight to the owner.
    EXPECT_EQ(owner.filtered, QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib") ? 0 : 4);
    QCoreApplication::instance()->removeEventFilter(&owner);

    owner.onTick = [&] { owner.timers.reset(); };
    owner.timers->Set(3, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owner.timers; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(owner.ids.size(), 5u);
}

} // namespace
} // namespace tests

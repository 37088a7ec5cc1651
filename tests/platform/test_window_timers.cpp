// Direct timers: their ticks keep their id and pass the application's filters by, if they can.

#include "platform/WindowTimers.h"

#include <QAbstractEventDispatcher>
#include <QTest>

#include <gtest/gtest.h>

namespace tests {
namespace {

// Kills its timer from within the fourth tick.
struct Ticked : QObject {
    platform::WindowTimers timers{this, platform::WindowTimers::Delivery::Direct};
    std::vector<int> ids;
    int filtered = 0; // its ticks seen by the application's filters
    void timerEvent(QTimerEvent* e) override
    {
        ids.push_back(timers.IdOf(e));
        if (ids.size() == 4)
            timers.Kill(7);
    }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        filtered += watched == this && e->type() == QEvent::Timer;
        return false;
    }
};

TEST(WindowTimersTest, DirectTicksKeepTheirIdAndEndWithTheirTimer)
{
    Ticked owner;
    QCoreApplication::instance()->installEventFilter(&owner);
    owner.timers.Set(7, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return owner.ids.size() >= 4; }, 5000));
    QTest::qWait(30); // nothing comes after the kill
    QCoreApplication::instance()->removeEventFilter(&owner);
    EXPECT_EQ(owner.ids, std::vector<int>(4, 7));
    EXPECT_FALSE(owner.timers.IsSet(7));
    // GLib's loop (the desktop's, and the tests') sends the ticks straight to the owner.
    EXPECT_EQ(owner.filtered, QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib") ? 0 : 4);
}

} // namespace
} // namespace tests

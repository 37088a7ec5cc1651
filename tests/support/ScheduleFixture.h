#pragma once
// The main window with its schedule page on a manual clock, in a time zone with daylight
// saving: hours of schedule run in an instant, and "now" is whatever the test says. Stand-ins
// play the login manager and the notification server.

#include "platform/Clock.h"
#include "platform/LocalTime.h"
#include "support/LoginManagerStandIn.h"
#include "support/NotificationServerStandIn.h"
#include "support/WindowFixture.h"

#include <QDateEdit>
#include <QTimeEdit>

#include <ctime>

// Sets the process's local time zone for the life of the object, then puts back the one
// before. A POSIX rule needs no time zone database on the machine.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) : m_bHad(qEnvironmentVariableIsSet("TZ")), m_previous(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_bHad)
            qputenv("TZ", m_previous);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool m_bHad;
    QByteArray m_previous;
};

class ScheduleFixture : public WindowFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(loginManager.Failure(), "");
        ASSERT_TRUE(desktop.IsServing());
        WindowFixture::SetUp();
    }

    // The desktop is told, last, of a failure in text's words.
    void ExpectToldFailure(const QString& text)
    {
        const auto& told = desktop.Received();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !told.empty() && told.back().body == text; }, 5000)) << text.toStdString();
        EXPECT_EQ(told.back().summary, "Scheduled recording failed");
        EXPECT_EQ(told.back().hints.value(QStringLiteral("urgency")).toInt(), 2);
    }

    static std::int64_t Local(int year, int month, int day, int hour, int minute, int second)
    {
        return platform::FromLocal({year, month, day, hour, minute, second});
    }

    CDialogSchedule& Schedule() { return window->m_pageSchedule; }

    template <class T = QWidget>
    T* ScheduleControl(int id)
    {
        T* control = platform::FindControl<T>(&Schedule(), id);
        EXPECT_NE(control, nullptr) << "schedule control " << id;
        return control;
    }

    // Ticks a check box of the schedule page into the state wanted, as a user does.
    void Tick(int id, bool ticked)
    {
        auto* box = ScheduleControl<QAbstractButton>(id);
        if (box->isChecked() != ticked)
            box->click();
    }

    void SetDate(int id, std::int64_t moment)
    {
        const platform::LocalParts p = platform::ToLocal(moment);
        ScheduleControl<QDateEdit>(id)->setDate(QDate(p.year, p.month, p.day));
    }
    void SetTime(int id, int hour, int minute, int second)
    {
        ScheduleControl<QTimeEdit>(id)->setTime(QTime(hour, minute, second));
    }
    void SetTime(int id, std::int64_t moment)
    {
        const platform::LocalParts p = platform::ToLocal(moment);
        SetTime(id, p.hour, p.minute, p.second);
    }

    // Scheduling on; a start at moment, or at once when moment is 0; the end after the
    // duration given in seconds.
    void Plan(std::int64_t start, int durationSeconds)
    {
        Tick(IDC_SCHEDULE_ENABLE, true);
        Tick(IDC_SCHEDULE_START, start != 0);
        if (start != 0) {
            SetDate(IDC_START_DATE, start);
            SetTime(IDC_START_TIME, start);
        }
        ScheduleControl<QAbstractButton>(IDC_END_AFTER_DURATION)->click();
        SetTime(IDC_DURATION, durationSeconds / 3600, durationSeconds / 60 % 60, durationSeconds % 60);
    }

    // Scheduling on; a start at moment, or at once when moment is 0; the end at end.
    void PlanUntil(std::int64_t start, std::int64_t end)
    {
        Plan(start, 0);
        ScheduleControl<QAbstractButton>(IDC_END_AT_TIME)->click();
        SetDate(IDC_END_DATE, end);
        SetTime(IDC_END_TIME, end);
    }

    // Lets seconds pass on the clock in force, one timer tick at a time.
    static void Wait(int seconds)
    {
        platform::ManualClock::Current()->AdvanceSeconds(seconds);
        Pump();
    }

    QString Status(int part) const { return window->m_statusBar.Text(part); }

    // Central European time: the clock goes 02:00 → 03:00 on the last Sunday of March and
    // 03:00 → 02:00 on the last Sunday of October.
    ScopedTimeZone zone{"CET-1CEST,M3.5.0,M10.5.0/3"};
    platform::ManualClock clock{Local(2024, 6, 12, 9, 59, 0)};
    tests::LoginManagerStandIn loginManager;
    tests::NotificationServerStandIn desktop{loginManager.Address()};
};

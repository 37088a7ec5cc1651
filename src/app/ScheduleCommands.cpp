// The main window's schedule: the start countdown, the end countdowns after a duration or
// at an end moment, their notices in the status bar, and the start they lead to.

#include "app/TessavoxDlg.h"
#include "platform/Clock.h"
#include "platform/LocalTime.h"
#include "platform/ShowMessage.h"

#include <QApplication>

namespace {

const char* const DATE_FORMAT = "%Y-%m-%d";
const char* const TIME_FORMAT = "%H:%M:%S";

void ShowScheduleMessage(QWidget* window, const QString& text)
{
    platform::ShowMessage(window, text, QApplication::applicationName());
}

// The day of date and the time of day of time, as the notices give a moment.
QString DateAndTime(std::int64_t date, std::int64_t time)
{
    return platform::FormatLocal(date, DATE_FORMAT) + QLatin1Char(' ') + platform::FormatLocal(time, TIME_FORMAT);
}

} // namespace

void CTessavoxDlg::ArmCountdown(int id, std::int64_t seconds, const QString& notice)
{
    m_nCountdown = seconds;
    m_timers.Set(id, 1000);
    OnTimer(id); // the first tick is now: the countdown runs out on its seconds-th tick
    m_statusBar.SetText(1, notice);
}

bool CTessavoxDlg::RefuseScheduledEnd()
{
    // The countdowns stop before the message: none may run out while it is shown.
    for (int id : {IDT_END_DURATION, IDT_END_TIME, IDT_START})
        m_timers.Kill(id);
    ShowScheduleMessage(this, QStringLiteral("Please check duration time in schedule panel, it's incorrect."));
    return false;
}

void CTessavoxDlg::ScheduleStart()
{
    const std::int64_t start = platform::ComposeLocal(m_pageSchedule.m_timeStartDate, m_pageSchedule.m_timeStartTime);
    const std::int64_t countdown = start - platform::CurrentTime();
    if (countdown <= 0) {
        // A start already waiting keeps its own countdown: the refused time must not fire it.
        ShowScheduleMessage(this, QStringLiteral("Please check time setting in schedule panel, it's incorrect."));
        return;
    }
    ArmCountdown(IDT_START, countdown,
                 QStringLiteral("Your recording will be started at ") +
                     DateAndTime(m_pageSchedule.m_timeStartDate, m_pageSchedule.m_timeStartTime));
    UpdateSleepInhibitor();
}

bool CTessavoxDlg::ArmStopAfterDuration()
{
    // A length, counted from the picker's hours, minutes and seconds: a clock change on the
    // day must not make two hours one or three.
    const std::int64_t duration = platform::SecondsOfDay(m_pageSchedule.m_timeDuration);
    if (duration <= 0)
        return RefuseScheduledEnd();
    const std::int64_t end = platform::CurrentTime() + duration;
    ArmCountdown(IDT_END_DURATION, duration,
                 QStringLiteral("Your recording will be ended at ") + platform::FormatLocal(end, TIME_FORMAT));
    return true;
}

bool CTessavoxDlg::ArmStopAtEndTime()
{
    const std::int64_t end = platform::ComposeLocal(m_pageSchedule.m_timeEndDate, m_pageSchedule.m_timeEndTime);
    const std::int64_t countdown = end - platform::CurrentTime();
    if (countdown <= 0)
        return RefuseScheduledEnd();
    ArmCountdown(IDT_END_TIME, countdown,
                 QStringLiteral("Your recording will be ended at ") +
                     DateAndTime(m_pageSchedule.m_timeEndDate, m_pageSchedule.m_timeEndTime));
    return true;
}

bool CTessavoxDlg::ArmScheduledEnd()
{
    switch (m_pageSchedule.m_nEndMode) {
    case 0:
        return ArmStopAfterDuration();
    case 1:
        return ArmStopAtEndTime();
    default:
        return true; // no end chosen: the recording runs until Stop
    }
}

void CTessavoxDlg::OnScheduleTimer(int id)
{
    if (--m_nCountdown >= 0)
        return;
    if (id == IDT_START) {
        OnScheduledStart();
        return;
    }
    OnStop();
    m_timers.Kill(id);
}

void CTessavoxDlg::OnScheduledStart()
{
    m_timers.Kill(IDT_START);
    if (!ArmScheduledEnd()) {
        // Nothing will start: the start notice no longer holds.
        m_statusBar.SetText(1, QString());
        UpdateSleepInhibitor();
        return;
    }
    if (!StartRecording()) {
        m_statusBar.SetText(1, QString());
        OnStop();
    }
}

void CTessavoxDlg::UpdateSleepInhibitor()
{
    if (m_pageRecord.m_engine.m_nStatus == STATUS_RECORDING)
        m_sleepInhibitor.Hold(QStringLiteral("Recording"));
    else if (m_timers.IsSet(IDT_START))
        m_sleepInhibitor.Hold(QStringLiteral("Waiting for a scheduled recording"));
    else
        m_sleepInhibitor.Release();
}

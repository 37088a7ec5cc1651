// The main window's schedule: the start countdown, the end countdowns after a duration or
// at an end moment, their notices in the status bar, and the start they lead to. Each
// countdown aims at a moment on the wall clock and looks at the clock at every tick: ticks
// stand still while the computer sleeps, and a clock set right is no tick at all.

#include "app/TessavoxDlg.h"
#include "platform/Clock.h"
#include "platform/LocalTime.h"

namespace {

const char* const DATE_FORMAT = "%Y-%m-%d";
const char* const TIME_FORMAT = "%H:%M:%S";
// A start found this many seconds past its moment began late; one second less is only the
// step between two ticks.
constexpr std::int64_t LATE_AFTER = 2;

// The day of date and the time of day of time, as the notices give a moment.
QString DateAndTime(std::int64_t date, std::int64_t time)
{
    return platform::FormatLocal(date, DATE_FORMAT) + QLatin1Char(' ') + platform::FormatLocal(time, TIME_FORMAT);
}

QString Moment(std::int64_t moment)
{
    return DateAndTime(moment, moment);
}

} // namespace

void CTessavoxDlg::ArmCountdown(int id, std::int64_t moment, const QString& notice)
{
    (id == IDT_START ? m_timeStartAt : m_timeEndAt) = moment;
    m_timers.Set(id, 1000);
    OnTimer(id); // the first tick is now
    m_statusBar.SetText(1, notice);
}

bool CTessavoxDlg::RefuseScheduledEnd()
{
    // The countdowns stop before the message: none may run out while it is shown.
    for (int id : {IDT_END_DURATION, IDT_END_TIME, IDT_START})
        m_timers.Kill(id);
    ShowScheduleMessage(QStringLiteral("Please check duration time in schedule panel, it's incorrect."));
    return false;
}

void CTessavoxDlg::ScheduleStart()
{
    const std::int64_t start = platform::ComposeLocal(m_pageSchedule.m_timeStartDate, m_pageSchedule.m_timeStartTime);
    if (start <= platform::CurrentTime()) {
        // A start already waiting keeps its own moment: the refused time must not fire it.
        ShowScheduleMessage(QStringLiteral("Please check time setting in schedule panel, it's incorrect."));
        return;
    }
    ArmCountdown(IDT_START, start,
                 QStringLiteral("Your recording will be started at ") +
                     DateAndTime(m_pageSchedule.m_timeStartDate, m_pageSchedule.m_timeStartTime));
    UpdateSleepInhibitor();
}

bool CTessavoxDlg::ArmStopAfterDuration(std::int64_t from)
{
    // A length, counted from the picker's hours, minutes and seconds: a clock change on the
    // day must not make two hours one or three.
    const std::int64_t duration = platform::SecondsOfDay(m_pageSchedule.m_timeDuration);
    if (duration <= 0)
        return RefuseScheduledEnd();
    const std::int64_t end = from + duration;
    ArmCountdown(IDT_END_DURATION, end,
                 QStringLiteral("Your recording will be ended at ") + platform::FormatLocal(end, TIME_FORMAT));
    return true;
}

bool CTessavoxDlg::ArmStopAtEndTime()
{
    const std::int64_t end = platform::ComposeLocal(m_pageSchedule.m_timeEndDate, m_pageSchedule.m_timeEndTime);
    if (end <= platform::CurrentTime())
        return RefuseScheduledEnd();
    ArmCountdown(IDT_END_TIME, end,
                 QStringLiteral("Your recording will be ended at ") +
                     DateAndTime(m_pageSchedule.m_timeEndDate, m_pageSchedule.m_timeEndTime));
    return true;
}

bool CTessavoxDlg::ArmScheduledEnd(std::int64_t from)
{
    switch (m_pageSchedule.m_nEndMode) {
    case 0:
        return ArmStopAfterDuration(from);
    case 1:
        return ArmStopAtEndTime();
    default:
        return true; // no end chosen: the recording runs until Stop
    }
}

std::int64_t CTessavoxDlg::PlannedEnd() const
{
    switch (m_pageSchedule.m_nEndMode) {
    case 0:
        return m_timeStartAt + platform::SecondsOfDay(m_pageSchedule.m_timeDuration);
    case 1:
        return platform::ComposeLocal(m_pageSchedule.m_timeEndDate, m_pageSchedule.m_timeEndTime);
    default:
        return 0;
    }
}

void CTessavoxDlg::OnScheduleTimer(int id)
{
    const std::int64_t moment = id == IDT_START ? m_timeStartAt : m_timeEndAt;
    m_nCountdown = moment - platform::CurrentTime() - 1;
    if (m_nCountdown >= 0)
        return;
    if (id == IDT_START) {
        OnScheduledStart();
        return;
    }
    m_bEndedBySchedule = m_bScheduledRecording;
    OnStop();
    m_timers.Kill(id);
}

void CTessavoxDlg::CheckCountdowns()
{
    for (int id : {IDT_START, IDT_END_DURATION, IDT_END_TIME})
        if (m_timers.IsSet(id))
            OnScheduleTimer(id);
}

void CTessavoxDlg::OnScheduledStart()
{
    m_timers.Kill(IDT_START);
    m_bScheduledRecording = true;
    m_bEndedBySchedule = false;
    const std::int64_t now = platform::CurrentTime();
    const bool late = now - m_timeStartAt >= LATE_AFTER;
    const std::int64_t end = PlannedEnd();
    // An end before the start is the page's mistake, refused below as at any start.
    if (late && end > m_timeStartAt && end <= now) {
        RefuseMissedStart(end);
        return;
    }
    // A start made late keeps the end it was planned with: an hour's programme due at 9:00
    // still ends at 10:00, however late the computer woke.
    if (!ArmScheduledEnd(late ? m_timeStartAt : now)) {
        // Nothing will start: the start notice no longer holds.
        m_bScheduledRecording = false;
        m_statusBar.SetText(1, QString());
        UpdateSleepInhibitor();
        return;
    }
    if (!StartRecording()) {
        m_bScheduledRecording = false;
        m_statusBar.SetText(1, QString());
        OnStop();
        return;
    }
    const QString lateNote = late ? QStringLiteral("started late: it was due at ") + Moment(m_timeStartAt) : QString();
    if (late)
        m_statusBar.SetText(1, m_pageRecord.m_strFilePath + QStringLiteral(" (") + lateNote + QLatin1Char(')'));
    NotifyScheduledStart(lateNote);
}

void CTessavoxDlg::RefuseMissedStart(std::int64_t end)
{
    // Told last: the box waits for the user, and nothing may still wait with it.
    m_statusBar.SetText(1, QString());
    UpdateSleepInhibitor();
    ShowScheduleMessage(QStringLiteral("The recording planned from %1 to %2 was not made: the computer was "
                                       "asleep, or its clock was set, past its end.")
                            .arg(Moment(m_timeStartAt), Moment(end)));
    m_bScheduledRecording = false;
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

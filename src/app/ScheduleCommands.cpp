// The main window's schedule: the start countdown, the end countdowns after a duration or
// at an end moment, their notices in the status bar, and the start they lead to. Each
// countdown aims at a moment on the wall clock and looks at the clock at every tick: ticks
// stand still while the computer sleeps, and a clock set right is no tick at all.

#include "app/RepeatRule.h"
#include "app/TessavoxDlg.h"
#include "engine/take/TakeNames.h"
#include "platform/Clock.h"
#include "platform/LocalTime.h"

#include <QFileInfo>

#include <algorithm>

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

// The first start of the routine repeat after after, as the page plans it.
std::int64_t NextRoutineStart(const CDialogSchedule& page, std::int32_t repeat, std::int64_t after)
{
    const platform::LocalParts at = platform::ToLocal(page.m_timeStartTime);
    return NextStart(static_cast<Repeat>(repeat), page.m_timeStartDate, at.hour, at.minute, at.second, after);
}

// The moment after from at the local time of day of time.
std::int64_t NextAtTimeOfDay(std::int64_t from, std::int64_t time)
{
    const platform::LocalParts t = platform::ToLocal(time);
    return NextTimeOfDay(from, t.hour, t.minute, t.second);
}

} // namespace

void CTessavoxDlg::ArmCountdown(int id, std::int64_t moment, const QString& notice)
{
    (id == IDT_START ? m_timeStartAt : m_timeEndAt) = moment;
    m_timers.Set(id, 1000);
    // Told before the first tick: a start armed again at start-up may be due already, and
    // what it starts has the last word.
    m_statusBar.SetText(1, notice);
    OnTimer(id); // the first tick is now
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
    const CDialogSchedule& page = m_pageSchedule;
    const std::int64_t now = platform::CurrentTime();
    // A routine starts at its first time of day to come, from the start date on.
    const std::int64_t start = page.m_nRepeat == 0 ? platform::ComposeLocal(page.m_timeStartDate, page.m_timeStartTime)
                                                   : NextRoutineStart(page, page.m_nRepeat, now);
    if (start <= now) {
        // A start already waiting keeps its own moment: the refused time must not fire it.
        ShowScheduleMessage(QStringLiteral("Please check time setting in schedule panel, it's incorrect."));
        return;
    }
    m_nRoutine = page.m_nRepeat;
    ArmStart(start);
}

void CTessavoxDlg::ArmStart(std::int64_t start)
{
    m_settings.SaveArmed(start);
    // The page shows the routine's next day, from which it goes on.
    if (m_nRoutine != 0)
        m_pageSchedule.ShowStartDate(start);
    // A single start is told as the page gives it.
    ArmCountdown(IDT_START, start,
                 QStringLiteral("Your recording will be started at ") +
                     (m_nRoutine == 0 && start == platform::ComposeLocal(m_pageSchedule.m_timeStartDate,
                                                                          m_pageSchedule.m_timeStartTime)
                          ? DateAndTime(m_pageSchedule.m_timeStartDate, m_pageSchedule.m_timeStartTime)
                          : Moment(start)));
    UpdateSleepInhibitor();
}

void CTessavoxDlg::ArmNextOccurrence(std::int64_t after)
{
    const std::int64_t next = NextRoutineStart(m_pageSchedule, m_nRoutine, std::max(after, m_timeStartAt));
    if (next == 0) {
        m_nRoutine = 0;
        m_settings.SaveArmed(0);
        return;
    }
    ArmStart(next);
}

void CTessavoxDlg::RearmSavedSchedule()
{
    const std::int64_t start = m_settings.ArmedStart();
    if (start == 0)
        return;
    m_pageRecord.UpdateData(true);
    m_pageSchedule.UpdateData(true);
    // The page no longer plans a start (the file was edited by hand): nothing to arm.
    if (!m_pageSchedule.IsScheduleEnabled() || !m_pageSchedule.IsStartTimeEnabled() ||
        m_pageRecord.m_strFilePath.isEmpty()) {
        m_settings.SaveArmed(0);
        return;
    }
    // The format the Record command that armed it chose.
    m_nSampleRate = SampleRateAt(m_pageRecord.m_nSampleRateIndex);
    m_nBitsPerSample = m_pageRecord.m_nBitsIndex == 1 ? 16 : 8;
    m_nRoutine = m_pageSchedule.m_nRepeat;
    m_bRearming = true;
    ArmStart(start);
    m_bRearming = false;
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
    const std::int64_t end = PlannedEnd();
    if (end <= platform::CurrentTime())
        return RefuseScheduledEnd();
    ArmCountdown(IDT_END_TIME, end,
                 QStringLiteral("Your recording will be ended at ") +
                     (m_nRoutine != 0 ? Moment(end)
                                      : DateAndTime(m_pageSchedule.m_timeEndDate, m_pageSchedule.m_timeEndTime)));
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
        // Each take of a routine ends at the end's time of day after it starts.
        return m_nRoutine != 0 ? NextAtTimeOfDay(m_timeStartAt, m_pageSchedule.m_timeEndTime)
                               : platform::ComposeLocal(m_pageSchedule.m_timeEndDate, m_pageSchedule.m_timeEndTime);
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
    // What the next run arms: a routine's next take, or nothing once a single start came.
    m_settings.SaveArmed(m_nRoutine != 0 ? NextRoutineStart(m_pageSchedule, m_nRoutine, std::max(now, m_timeStartAt))
                                         : 0);
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
        if (m_nRoutine != 0)
            ArmNextOccurrence(now);
        UpdateSleepInhibitor();
        return;
    }
    // Nobody is there to ask: the take goes beside a file of its name, never over it.
    const QString name = FreeName(
        m_pageRecord.TakeName(m_timeStartAt), [this](const QString& n) { return m_pageRecord.TakeFiles(n); },
        [](const QString& file) { return QFileInfo::exists(file); });
    if (!StartRecording(name)) {
        m_bScheduledRecording = false;
        m_statusBar.SetText(1, QString());
        OnStop();
        if (m_nRoutine != 0)
            ArmNextOccurrence(now);
        return;
    }
    const QString lateNote = late ? QStringLiteral("started late: it was due at ") + Moment(m_timeStartAt) : QString();
    if (late)
        m_statusBar.SetText(1, name + QStringLiteral(" (") + lateNote + QLatin1Char(')'));
    NotifyScheduledStart(lateNote);
}

void CTessavoxDlg::RefuseMissedStart(std::int64_t end)
{
    // Told last: the box waits for the user, and nothing may still wait with it.
    m_statusBar.SetText(1, QString());
    UpdateSleepInhibitor();
    ShowScheduleMessage((m_bRearming ? QStringLiteral("The recording planned from %1 to %2 was not made: Tessavox "
                                                      "was not running.")
                                     : QStringLiteral("The recording planned from %1 to %2 was not made: the computer "
                                                      "was asleep, or its clock was set, past its end."))
                            .arg(Moment(m_timeStartAt), Moment(end)));
    m_bScheduledRecording = false;
    // A routine goes on to its next take.
    if (m_nRoutine != 0)
        ArmNextOccurrence(platform::CurrentTime());
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

// The schedule at work: the start countdown, the end countdowns after a duration or at an
// end moment, their notices in the status bar, the start they lead to, and what the host's
// commands and the engine's news do to them.

#include "app/ScheduleRun.h"

#include "app/RoomOnDisk.h"
#include "app/ScheduleHost.h"
#include "engine/take/TakeNames.h"
#include "pages/DialogSchedule.h"
#include "platform/Clock.h"
#include "platform/LocalTime.h"

#include <QFileInfo>
#include <QTimerEvent>

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
std::int64_t NextRoutineStart(const CDialogSchedule& page, Repeat repeat, std::int64_t after)
{
    const platform::LocalParts at = platform::ToLocal(page.m_timeStartTime);
    return NextStart(repeat, page.m_timeStartDate, at.hour, at.minute, at.second, after);
}

// The moment after from at the local time of day of time.
std::int64_t NextAtTimeOfDay(std::int64_t from, std::int64_t time)
{
    const platform::LocalParts t = platform::ToLocal(time);
    return NextTimeOfDay(from, t.hour, t.minute, t.second);
}

} // namespace

CScheduleRun::CScheduleRun(IScheduleHost& host, CDialogSchedule& plan) : m_host(host), m_plan(plan) {}

void CScheduleRun::timerEvent(QTimerEvent* e)
{
    if (const int id = m_timers.IdOf(e))
        OnTimer(id);
    else
        QObject::timerEvent(e);
}

void CScheduleRun::ArmCountdown(int id, std::int64_t moment, const QString& notice)
{
    (id == IDT_START ? m_timeStartAt : m_timeEndAt) = moment;
    m_timers.Set(id, 1000);
    // Told before the first tick: a start armed again at start-up may be due already, and
    // what it starts has the last word.
    m_host.ShowNotice(notice);
    OnTimer(id); // the first tick is now
}

bool CScheduleRun::RefuseScheduledEnd()
{
    // The countdowns stop before the message: none may run out while it is shown.
    for (int id : {IDT_END_DURATION, IDT_END_TIME, IDT_START})
        m_timers.Kill(id);
    ShowScheduleMessage(tr("Please check duration time in schedule panel, it's incorrect."));
    return false;
}

void CScheduleRun::ScheduleStart()
{
    const std::int64_t now = platform::CurrentTime();
    // A routine starts at its first time of day to come, from the start date on.
    const std::int64_t start = m_plan.m_nRepeat == Repeat::Once
                                   ? platform::ComposeLocal(m_plan.m_timeStartDate, m_plan.m_timeStartTime)
                                   : NextRoutineStart(m_plan, m_plan.m_nRepeat, now);
    if (start <= now) {
        // A start already waiting keeps its own moment: the refused time must not fire it.
        ShowScheduleMessage(tr("Please check time setting in schedule panel, it's incorrect."));
        return;
    }
    if (!ArmAnyway(start, m_plan.m_nRepeat))
        return;
    m_routine = m_plan.m_nRepeat;
    ArmStart(start);
}

void CScheduleRun::ArmStart(std::int64_t start)
{
    m_host.SaveArmedStart(start);
    // The page shows the routine's next day, from which it goes on.
    if (m_routine != Repeat::Once)
        m_plan.ShowStartDate(start);
    // A single start is told as the page gives it.
    const bool asGiven = m_routine == Repeat::Once &&
                         start == platform::ComposeLocal(m_plan.m_timeStartDate, m_plan.m_timeStartTime);
    ArmCountdown(IDT_START, start,
                 tr("Your recording will be started at %1")
                     .arg(asGiven ? DateAndTime(m_plan.m_timeStartDate, m_plan.m_timeStartTime) : Moment(start)));
    m_host.WaitingChanged();
}

void CScheduleRun::ArmNextOccurrence(std::int64_t after)
{
    const std::int64_t next = NextRoutineStart(m_plan, m_routine, std::max(after, m_timeStartAt));
    if (next == 0) {
        m_routine = Repeat::Once;
        m_host.SaveArmedStart(0);
        return;
    }
    ArmStart(next);
    // Nobody armed it to ask: it waits, and the user hears that it will not fit.
    if (const QString noRoom = NoRoomFor(next, m_routine); !noRoom.isEmpty()) {
        m_host.ShowNotice(noRoom);
        m_host.NotifyDesktop(tr("Scheduled recording will not fit"), noRoom,
                             platform::DesktopNotifier::Urgency::Critical);
    }
}

void CScheduleRun::Rearm(std::int64_t start)
{
    m_routine = m_plan.m_nRepeat;
    // Declined, it is no longer kept as armed.
    if (!ArmAnyway(start, m_routine)) {
        m_routine = Repeat::Once;
        m_host.SaveArmedStart(0);
        return;
    }
    m_bRearming = true;
    ArmStart(start);
    m_bRearming = false;
}

QString CScheduleRun::NoRoomFor(std::int64_t start, Repeat routine) const
{
    const std::int64_t end = PlannedEnd(start, routine);
    // A start already past records from now on.
    const std::int64_t from = std::max(start, platform::CurrentTime());
    if (end <= from)
        return {};
    const std::optional<std::int64_t> room = m_host.RoomForTake();
    if (!room || *room - NEARLY_FULL_SECONDS >= end - from)
        return {};
    return tr("The recording planned from %1 to %2 will not fit on the disk: there is room for %3.")
        .arg(Moment(start), Moment(end), RoomText(*room));
}

bool CScheduleRun::ArmAnyway(std::int64_t start, Repeat routine)
{
    const QString noRoom = NoRoomFor(start, routine);
    return noRoom.isEmpty() || m_host.AskYesNo(noRoom + QLatin1Char('\n') + tr("Do you want to schedule it anyway?"));
}

bool CScheduleRun::ArmStopAfterDuration(std::int64_t from)
{
    // A length, counted from the picker's hours, minutes and seconds: a clock change on the
    // day must not make two hours one or three.
    const std::int64_t duration = platform::SecondsOfDay(m_plan.m_timeDuration);
    if (duration <= 0)
        return RefuseScheduledEnd();
    const std::int64_t end = from + duration;
    ArmCountdown(IDT_END_DURATION, end,
                 tr("Your recording will be ended at %1").arg(platform::FormatLocal(end, TIME_FORMAT)));
    return true;
}

bool CScheduleRun::ArmStopAtEndTime()
{
    const std::int64_t end = PlannedEnd();
    if (end <= platform::CurrentTime())
        return RefuseScheduledEnd();
    // A routine's end moves with each take: it is told as the moment it is.
    const QString at =
        m_routine != Repeat::Once ? Moment(end) : DateAndTime(m_plan.m_timeEndDate, m_plan.m_timeEndTime);
    ArmCountdown(IDT_END_TIME, end, tr("Your recording will be ended at %1").arg(at));
    return true;
}

bool CScheduleRun::ArmScheduledEnd(std::int64_t from)
{
    switch (m_plan.m_nEndMode) {
    case EndMode::AfterDuration:
        return ArmStopAfterDuration(from);
    case EndMode::AtEndTime:
        return ArmStopAtEndTime();
    case EndMode::None:
        break;
    }
    return true; // no end chosen: the recording runs until Stop
}

std::int64_t CScheduleRun::PlannedEnd(std::int64_t start, Repeat routine) const
{
    switch (m_plan.m_nEndMode) {
    case EndMode::AfterDuration:
        return start + platform::SecondsOfDay(m_plan.m_timeDuration);
    case EndMode::AtEndTime:
        // Each take of a routine ends at the end's time of day after it starts.
        return routine != Repeat::Once ? NextAtTimeOfDay(start, m_plan.m_timeEndTime)
                                       : platform::ComposeLocal(m_plan.m_timeEndDate, m_plan.m_timeEndTime);
    case EndMode::None:
        break;
    }
    return 0;
}

void CScheduleRun::OnTimer(int id)
{
    if (!IsCountdown(id))
        return;
    const std::int64_t moment = id == IDT_START ? m_timeStartAt : m_timeEndAt;
    m_nCountdown = moment - platform::CurrentTime() - 1;
    if (m_nCountdown >= 0)
        return;
    if (id == IDT_START) {
        OnScheduledStart();
        return;
    }
    m_bEndedBySchedule = m_bScheduledRecording;
    m_host.StopTake();
    m_timers.Kill(id);
}

void CScheduleRun::CheckCountdowns()
{
    for (int id : {IDT_START, IDT_END_DURATION, IDT_END_TIME})
        if (m_timers.IsSet(id))
            OnTimer(id);
}

void CScheduleRun::OnScheduledStart()
{
    m_timers.Kill(IDT_START);
    m_bScheduledRecording = true;
    m_bEndedBySchedule = false;
    const std::int64_t now = platform::CurrentTime();
    // What the next run arms: a routine's next take, or nothing once a single start came.
    m_host.SaveArmedStart(m_routine != Repeat::Once
                              ? NextRoutineStart(m_plan, m_routine, std::max(now, m_timeStartAt))
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
        m_host.ShowNotice(QString());
        if (m_routine != Repeat::Once)
            ArmNextOccurrence(now);
        m_host.WaitingChanged();
        return;
    }
    // Nobody is there to ask: the take goes beside a file of its name, never over it.
    const QString name = FreeName(
        m_host.TakeName(m_timeStartAt), [this](const QString& n) { return m_host.TakeFiles(n); },
        [](const QString& file) { return QFileInfo::exists(file); });
    if (!m_host.StartTake(name)) {
        m_bScheduledRecording = false;
        m_host.ShowNotice(QString());
        m_host.StopTake();
        if (m_routine != Repeat::Once)
            ArmNextOccurrence(now);
        return;
    }
    // Nobody is there to hear a dead input either.
    m_nSilentMinutes = m_plan.m_bWarnSilence ? m_plan.m_nSilentMinutes : 0;
    m_host.WatchForSilence(std::int64_t{m_nSilentMinutes} * 60);
    const QString lateNote = late ? tr("started late: it was due at %1").arg(Moment(m_timeStartAt)) : QString();
    if (late)
        m_host.ShowNotice(name + QStringLiteral(" (") + lateNote + QLatin1Char(')'));
    NotifyScheduledStart(lateNote);
}

void CScheduleRun::RefuseMissedStart(std::int64_t end)
{
    // Told last: the box waits for the user, and nothing may still wait with it.
    m_host.ShowNotice(QString());
    m_host.WaitingChanged();
    ShowScheduleMessage((m_bRearming ? tr("The recording planned from %1 to %2 was not made: Tessavox "
                                          "was not running.")
                                     : tr("The recording planned from %1 to %2 was not made: the computer "
                                          "was asleep, or its clock was set, past its end."))
                            .arg(Moment(m_timeStartAt), Moment(end)));
    m_bScheduledRecording = false;
    // A routine goes on to its next take.
    if (m_routine != Repeat::Once)
        ArmNextOccurrence(platform::CurrentTime());
}

bool CScheduleRun::RecordNow()
{
    if (m_timers.IsSet(IDT_START)) {
        m_timers.Kill(IDT_START);
        m_routine = Repeat::Once;
        m_host.SaveArmedStart(0);
        m_host.ShowNotice(QString());
    }
    return !m_plan.IsScheduleEnabled() || ArmScheduledEnd(platform::CurrentTime());
}

void CScheduleRun::RecordNotStarted()
{
    if (!m_timers.IsSet(IDT_END_DURATION) && !m_timers.IsSet(IDT_END_TIME))
        return;
    m_timers.Kill(IDT_END_DURATION);
    m_timers.Kill(IDT_END_TIME);
    m_host.ShowNotice(QString());
}

void CScheduleRun::OnStop()
{
    // A routine waiting for its next take ends with the start.
    if (m_timers.IsSet(IDT_START)) {
        m_routine = Repeat::Once;
        m_host.SaveArmedStart(0);
    }
    for (int id : {IDT_END_DURATION, IDT_END_TIME, IDT_START})
        m_timers.Kill(id);
}

void CScheduleRun::OnDiskNearlyFull()
{
    m_timers.Kill(IDT_END_DURATION);
    m_timers.Kill(IDT_END_TIME);
}

void CScheduleRun::OnTakeClosed()
{
    // A scheduled end has nothing left to stop; left counting it would stop the next
    // recording. A start still waiting stays: a playback may end before it.
    m_timers.Kill(IDT_END_DURATION);
    m_timers.Kill(IDT_END_TIME);
    // The files are finished only now: the desktop hears of the end once they are.
    if (m_bScheduledRecording && m_bEndedBySchedule)
        NotifyScheduledEnd();
    // However the take ended, its routine goes on.
    const bool nextTake = m_bScheduledRecording && m_routine != Repeat::Once;
    m_bScheduledRecording = false;
    m_bEndedBySchedule = false;
    if (nextTake)
        ArmNextOccurrence(platform::CurrentTime());
}

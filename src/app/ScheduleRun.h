#pragma once
// The schedule at work: the start that waits, the end of the recording it plans, a
// routine's next take, and what the user and the desktop are told of them. Each countdown
// aims at a moment on the wall clock and looks at the clock at every tick: ticks stand
// still while the computer sleeps, and a clock set right is no tick at all.
//
// The plan is what the schedule page last read from its controls. The run asks its host
// (the main window) to start and stop takes and to show what happens; the host tells the
// run what the user and the engine did, through the functions below.

#include "app/RepeatRule.h"
#include "platform/WindowTimers.h"

#include <QObject>
#include <QString>

#include <cstdint>

class CDialogSchedule;
class IScheduleHost;

// The schedule's countdowns, one tick a second: to the end after a duration, to the end at
// an end time, and to the start.
inline constexpr int IDT_END_DURATION = 1002;
inline constexpr int IDT_END_TIME = 1003;
inline constexpr int IDT_START = 1004;

class CScheduleRun : public QObject {
    Q_OBJECT
public:
    CScheduleRun(IScheduleHost& host, CDialogSchedule& plan);

    // Arms the start the page plans: its start date and time, or a routine's first start to
    // come. A start not in the future is refused with a message; one already waiting stays.
    void ScheduleStart();
    // The end after the page's duration, counted from the moment the recording started, and
    // the end at the page's end date and time; false, every countdown stopped, when refused.
    bool ArmStopAfterDuration(std::int64_t from);
    bool ArmStopAtEndTime();

    // Record starts a recording now: a start still waiting is dropped, routine and all (it
    // would open this recording's files a second time), and with scheduling on the end the
    // page chose is armed; false when that end was refused and nothing is to record.
    bool RecordNow();
    // The recording Record started did not start: no end counts on to stop a later one.
    void RecordNotStarted();
    // The Stop command: every countdown stops; a routine waiting for its next take ends.
    void OnStop();
    // The take is ended early for want of room on the disk: its end countdowns stop, and a
    // routine stays armed for its next take.
    void OnDiskNearlyFull();
    // The engine's device has closed, the engine idle: a take ended, however it ended. Its
    // end is told if the schedule made it, and a routine goes on to its next take.
    void OnTakeClosed();
    // The engine reported a failure, in the words of its message box.
    void OnFailure(const QString& text);
    // The input of the take has been silent for the time the page set (true), or sound has
    // come back after such a silence (false).
    void OnInputSilence(bool silent);
    // The computer woke from a suspend: every countdown looks at the clock now.
    void CheckCountdowns();
    // Arms again the start the last run had armed; one it has passed comes at once, late,
    // or is told as missed while the program was not running.
    void Rearm(std::int64_t start);

    // A tick of countdown id; the arming calls it once at once, as the first tick.
    void OnTimer(int id);
    static bool IsCountdown(int id) { return id == IDT_END_DURATION || id == IDT_END_TIME || id == IDT_START; }
    bool IsTimerSet(int id) const { return m_timers.IsSet(id); }
    bool IsStartWaiting() const { return m_timers.IsSet(IDT_START); }
    // The moment, in seconds since the epoch, that the start waiting aims at.
    std::int64_t StartAt() const { return m_timeStartAt; }
    // Seconds left on the countdown that runs, as its ticks count them: below 0 once its
    // moment has come.
    const std::int64_t& Countdown() const { return m_nCountdown; }

protected:
    void timerEvent(QTimerEvent* e) override;

private:
    // Arms the start of the next take at start: the countdown, its notice, and the memory
    // of it for the next run.
    void ArmStart(std::int64_t start);
    // The routine goes on to its first start after after; it ends when there is none.
    void ArmNextOccurrence(std::int64_t after);
    // Arms the end the page chose for a recording started at from; false when refused.
    bool ArmScheduledEnd(std::int64_t from);
    // Starts countdown id towards moment, with its notice in the status bar.
    void ArmCountdown(int id, std::int64_t moment, const QString& notice);
    // An end that is not in the future: every countdown stops, the user is told; false.
    bool RefuseScheduledEnd();
    void OnScheduledStart();
    // The end the waiting start was planned with, or 0 when the recording has none; and
    // the end of a take of routine starting at start.
    std::int64_t PlannedEnd() const { return PlannedEnd(m_timeStartAt, m_routine); }
    std::int64_t PlannedEnd(std::int64_t start, Repeat routine) const;
    // Why a take of routine starting at start will not fit on the disk, in the user's
    // words; empty when it fits, has no planned end, or the disk cannot say. The take must
    // leave the room at which a recording is ended.
    QString NoRoomFor(std::int64_t start, Repeat routine) const;
    // A start the user arms that will not fit: the user is asked whether to arm it anyway;
    // true when it fits or the user said Yes.
    bool ArmAnyway(std::int64_t start, Repeat routine);
    // A start whose whole recording was missed (the computer slept, the clock was moved
    // past it, or the program was not running): nothing records, the user is told.
    void RefuseMissedStart(std::int64_t end);

    // What the desktop is told of a take the schedule started (ScheduleRunNotices.cpp).
    // A message of the schedule, told to the desktop too while the take is its own.
    void ShowScheduleMessage(const QString& text);
    void NotifyScheduledStart(const QString& lateNote);
    void NotifyScheduledEnd();

    IScheduleHost& m_host;
    // The schedule page: the plan as it last read it, and where a routine's next day shows.
    CDialogSchedule& m_plan;
    platform::WindowTimers m_timers{this};
    std::int64_t m_nCountdown = 0;
    // The "Repeat:" entry of the routine armed: its next take is armed as one ends.
    Repeat m_routine = Repeat::Once;
    // The schedule of the last run is being armed again: a start it missed was missed
    // while the program was not running.
    bool m_bRearming = false;
    // The moments, in seconds since the epoch, that the start waiting and the end of the
    // recording aim at.
    std::int64_t m_timeStartAt = 0;
    std::int64_t m_timeEndAt = 0;
    // The take being started or made is the schedule's: the desktop hears how it goes.
    bool m_bScheduledRecording = false;
    // Its schedule has ended it: the desktop hears once its files are finished.
    bool m_bEndedBySchedule = false;
    // The files it writes to, as it started.
    QString m_strScheduledFiles;
    // The minutes of silence it is watched for; 0 when it is not.
    std::int32_t m_nSilentMinutes = 0;
};

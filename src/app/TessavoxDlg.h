#pragma once
// The program's one top-level window: the three tab pages, the transport buttons Record,
// Pause, Stop and Play, Help, the elapsed time and size of the recording, the place of the
// engine's display, and the status bar. It reaches the engine through the recording page.

#include "app/SavedSettings.h"
#include "app/StatusBar.h"
#include "pages/DialogAbout.h"
#include "pages/DialogRecord.h"
#include "pages/DialogSchedule.h"
#include "platform/DesktopNotifier.h"
#include "platform/ResumeWatcher.h"
#include "platform/ScreenLockWatcher.h"
#include "platform/SleepInhibitor.h"
#include "platform/WindowTimers.h"

#include <QDialog>
#include <QIcon>
#include <QTabBar>

#include <cstdint>

class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;

// Timers of the main window, one tick a second.
inline constexpr int IDT_END_DURATION = 1002;
inline constexpr int IDT_END_TIME = 1003;
inline constexpr int IDT_START = 1004;
inline constexpr int IDT_ELAPSED = 1005;

class CTessavoxDlg : public QDialog {
    Q_OBJECT
public:
    CTessavoxDlg();
    ~CTessavoxDlg() override;

    // Creates the window's controls and pages and initialises them; once. The application's
    // main-window pointer must name this window first: the recording page reaches the
    // window's buttons through it while it initialises.
    void Create();
    // Creates the window if need be and runs it modally until it closes.
    int DoModal();

    void OnRecord();
    void OnPause();
    void OnStop();
    void OnPlay();
    void OnHelp();
    // The about box, from the window's menu.
    void OnAboutBox();
    // A tick of the window timer with this id; the arming code also calls it directly.
    void OnTimer(int id);
    void OnTabSelChange();

    // The schedule: a start armed for the page's start date and time, and the end of a
    // recording armed after the page's duration or at its end date and time. Each arming
    // shows what it planned in the status bar; a refused one says why and arms nothing.
    void ScheduleStart();
    // The end after the page's duration, counted from the moment the recording started.
    bool ArmStopAfterDuration(std::int64_t from);
    bool ArmStopAtEndTime();

    bool IsTimerSet(int id) const { return m_timers.IsSet(id); }
    // The "Repeat:" entry of the routine armed, or 0 when what is armed (if anything)
    // happens once.
    std::int32_t RoutineRepeat() const { return m_nRoutine; }

    // Declared in the order the window is torn down in reverse: the recording page, which
    // takes the engine down with it, goes last.
    QIcon m_hIcon;
    CDialogRecord m_pageRecord;
    CDialogAbout m_pageAbout;
    CDialogSchedule m_pageSchedule;
    CStatusBar m_statusBar;
    // Torn down before the pages whose controls it follows.
    CSavedSettings m_settings;
    std::int32_t m_nSampleRate = 0;
    std::int32_t m_nBitsPerSample = 0;
    // Seconds left on the schedule countdown that runs (start, or end of the recording),
    // as its ticks count them: below 0 once its moment has come.
    std::int64_t m_nCountdown = 0;
    std::int64_t m_tElapsed = 0;
    QTabBar m_tab;

    // Closing the window also ends monitoring.
    void done(int result) override;

protected:
    void timerEvent(QTimerEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool OnInitDialog();
    void BuildControls();
    void ConnectControls();
    // A recording that skips silence began or stopped writing sound.
    void OnSoundingChanged(bool sounding);
    // The engine's device closed: a capture or playback that ended on its own (a device or
    // file failure, the end of the file played) leaves the window idle too.
    void OnEngineDeviceClosed();
    // The Pause button names what it will do next.
    void ShowPauseCaption();
    void SetControlText(int id, const QString& text);
    // Starts the capture and its outputs, for a take named name, with the last Record
    // command's format, and shows the recording; false when either did not start (the
    // engine has said why).
    bool StartRecording(const QString& name);
    // A take named name would replace files that are there: the user is asked; true when
    // nothing is there or the user said Yes.
    bool ConfirmReplace(const QString& name);
    // Arms the start of the next take at start: the countdown, its notice, and the memory
    // of it for the next run.
    void ArmStart(std::int64_t start);
    // The routine goes on to its first start after after; it ends when there is none.
    void ArmNextOccurrence(std::int64_t after);
    // A schedule armed when the program last ran is armed again; a start it has passed
    // comes at once, late or told as missed.
    void RearmSavedSchedule();
    // Arms the end the schedule page chose for a recording started at from; false when it
    // was refused.
    bool ArmScheduledEnd(std::int64_t from);
    // Starts countdown id towards moment, with its notice in the status bar.
    void ArmCountdown(int id, std::int64_t moment, const QString& notice);
    // An end that is not in the future: every countdown stops, the user is told; false.
    bool RefuseScheduledEnd();
    // One tick of a schedule countdown, and the start it leads to.
    void OnScheduleTimer(int id);
    void OnScheduledStart();
    // Every countdown looks at the clock now, as after a suspend its ticks have stood still.
    void CheckCountdowns();
    // The end the waiting start was planned with, or 0 when the recording has none.
    std::int64_t PlannedEnd() const;
    // A start whose whole recording was missed (the computer slept, or the clock was
    // moved past it): nothing records, the user is told.
    void RefuseMissedStart(std::int64_t end);

    // What the desktop is told of a recording the schedule started (ScheduleNotices.cpp).
    // A message of the schedule, told to the desktop too while the recording is its own.
    void ShowScheduleMessage(const QString& text);
    void NotifyScheduledStart(const QString& lateNote);
    void NotifyScheduledEnd();
    void NotifyFailure(const QString& text);
    // The machine stays awake while a recording runs or a scheduled one waits.
    void UpdateSleepInhibitor();

    bool m_bCreated = false;
    // The part of the recording the status bar names.
    int m_nPartShown = 0;
    platform::WindowTimers m_timers{this};
    QStackedWidget* m_pPages = nullptr;
    QMenu* m_pWindowMenu = nullptr;
    platform::SleepInhibitor m_sleepInhibitor;
    platform::ResumeWatcher m_resumeWatcher;
    // The live display pauses while nobody can see the screen.
    platform::ScreenLockWatcher m_screenLock;
    platform::DesktopNotifier m_notifier;
    // The "Repeat:" entry of the routine armed: its next take is armed as one ends.
    std::int32_t m_nRoutine = 0;
    // The schedule of the last run is being armed again: a start it missed was missed
    // while the program was not running.
    bool m_bRearming = false;
    // The moments, in seconds since the epoch, that the start waiting and the end of the
    // recording aim at.
    std::int64_t m_timeStartAt = 0;
    std::int64_t m_timeEndAt = 0;
    // The recording being started or made is the schedule's: the desktop hears how it goes.
    bool m_bScheduledRecording = false;
    // Its schedule has ended it: the desktop hears once its files are finished.
    bool m_bEndedBySchedule = false;
    // The files it writes to, as it started.
    QString m_strScheduledFiles;
    // The recording being made skips silence: its end tells whether any sound was kept.
    bool m_bSkippingSilence = false;
};

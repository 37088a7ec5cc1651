#pragma once
// The program's one top-level window: the three tab pages, the transport buttons Record,
// Pause, Stop and Play, Help, the elapsed time and size of the recording, the place of the
// engine's display, and the status bar. It reaches the engine through the recording page.

#include "app/CommandLine.h"
#include "app/SavedSettings.h"
#include "app/ScheduleHost.h"
#include "app/ScheduleRun.h"
#include "app/StatusBar.h"
#include "pages/DialogAbout.h"
#include "pages/DialogRecord.h"
#include "pages/DialogSchedule.h"
#include "platform/DesktopNotifier.h"
#include "platform/ResumeWatcher.h"
#include "platform/ScreenLockWatcher.h"
#include "platform/SingleInstance.h"
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

// The elapsed time and size of the recording, one tick a second. The schedule's countdowns
// (ScheduleRun.h) are the window's other timers.
inline constexpr int IDT_ELAPSED = 1005;

class CTessavoxDlg : public QDialog, private IScheduleHost {
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
    // A tick of the window timer with this id; the schedule's arming also calls it directly.
    void OnTimer(int id);
    void OnTabSelChange();

    // Asked by a later start of the program (OutsideCommands.cpp): the window shown and
    // raised; or a button's command run, its refusal answered rather than shown in a box.
    void ShowFromOutside();
    platform::CommandAnswer RunOutsideCommand(WindowCommand command);

    // The schedule: a start armed for the page's start date and time, and the end of a
    // recording armed after the page's duration or at its end date and time. Each arming
    // shows what it planned in the status bar; a refused one says why and arms nothing.
    // The schedule's run (m_schedule) does the work.
    void ScheduleStart() { m_schedule.ScheduleStart(); }
    // The end after the page's duration, counted from the moment the recording started.
    bool ArmStopAfterDuration(std::int64_t from) { return m_schedule.ArmStopAfterDuration(from); }
    bool ArmStopAtEndTime() { return m_schedule.ArmStopAtEndTime(); }

    bool IsTimerSet(int id) const
    {
        return CScheduleRun::IsCountdown(id) ? m_schedule.IsTimerSet(id) : m_timers.IsSet(id);
    }

    // Declared in the order the window is torn down in reverse: the recording page, which
    // takes the engine down with it, goes last.
    QIcon m_hIcon;
    CDialogRecord m_pageRecord;
    CDialogAbout m_pageAbout;
    CDialogSchedule m_pageSchedule;
    CStatusBar m_statusBar;
    // Torn down before the pages whose controls it follows.
    CSavedSettings m_settings;
    // The scheduled start and end, and a routine's takes; torn down before the pages.
    CScheduleRun m_schedule{*this, m_pageSchedule};
    std::int32_t m_nSampleRate = 0;
    std::int32_t m_nBitsPerSample = 0;
    // Seconds left on the schedule countdown that runs (start, or end of the recording),
    // as its ticks count them: below 0 once its moment has come. The run counts them.
    const std::int64_t& m_nCountdown = m_schedule.Countdown();
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
    // Why Record cannot be pressed now (its button is disabled); empty when it can.
    QString RecordRefusedWhileBusy() const;
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
    // A schedule armed when the program last ran is armed again; a start it has passed
    // comes at once, late or told as missed.
    void RearmSavedSchedule();
    // The machine stays awake while a recording runs or a scheduled one waits.
    void UpdateSleepInhibitor();

    // What the schedule's run asks of the window (ScheduleCommands.cpp).
    bool StartTake(const QString& name) override;
    void StopTake() override;
    QString TakeName(std::int64_t start) override;
    QStringList TakeFiles(const QString& name) override;
    QStringList StartedTakeFiles() const override;
    TakeLength EndedTake() const override;
    void ShowNotice(const QString& text) override;
    void ShowMessageBox(const QString& text) override;
    void NotifyDesktop(const QString& summary, const QString& body,
                       platform::DesktopNotifier::Urgency urgency) override;
    void SaveArmedStart(std::int64_t start) override;
    void WaitingChanged() override;

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
    // The recording being made skips silence: at its end the status bar says if no sound came.
    bool m_bSkippingSilence = false;
};

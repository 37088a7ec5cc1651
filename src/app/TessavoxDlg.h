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
#include "platform/SleepInhibitor.h"
#include "platform/WindowTimers.h"

#include <QDialog>
#include <QIcon>
#include <QTabBar>

#include <cstdint>
#include <memory>

class CTrayIcon;
struct TrayState;
namespace platform {
struct CommandAnswer;
}
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

    // The icon in the status notifier area (TrayCommands.cpp). With it, --minimized starts
    // the window hidden in the icon; without it, minimised, and shown after a while if the
    // window manager left it nowhere.
    void StartMinimized();
    // "Show Tessavox": the window shown, restored and raised.
    void ShowWindow();
    // "Quit": the window closes as it does without the icon, whatever goes on.
    void OnQuit();
    // What the icon's tool tip says now.
    TrayState TrayStateNow() const;
    // Asked by a later start of the program (OutsideCommands.cpp): a button's command run,
    // its refusal answered rather than shown in a box. A plain later start calls ShowWindow.
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

    // Closing the window also ends monitoring; with the icon there, closing it while a take
    // runs or a start waits hides it instead.
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
    // As a take starts, old takes of its typed name go to the trash while the schedule page
    // keeps takes for a number of days: what the status bar says of them, or empty.
    QString MoveOldTakesAway();
    // A take named name would replace files that are there: the user is asked; true when
    // nothing is there or the user said Yes.
    bool ConfirmReplace(const QString& name);
    // A schedule armed when the program last ran is armed again; a start it has passed
    // comes at once, late or told as missed.
    void RearmSavedSchedule();
    // The machine stays awake while a recording runs or a scheduled one waits.
    void UpdateSleepInhibitor();
    // Ends the recording or playback, as Stop does once the schedule has been told.
    void EndTake();
    // The room on the disk, looked at every tenth tick of a recording: with less than a
    // minute left the take ends as Stop ends it, while its files can still be finished.
    void WatchRoom();

    // What the schedule's run asks of the window (ScheduleCommands.cpp).
    bool StartTake(const QString& name) override;
    void StopTake() override;
    QString TakeName(std::int64_t start) override;
    QStringList TakeFiles(const QString& name) override;
    QStringList StartedTakeFiles() const override;
    TakeLength EndedTake() const override;
    std::optional<std::int64_t> RoomForTake() const override;
    void WatchForSilence(std::int64_t seconds) override;
    QString InputName() const override;
    void ShowNotice(const QString& text) override;
    void ShowTakeGoingOn() override;
    void ShowMessageBox(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    void NotifyDesktop(const QString& summary, const QString& body,
                       platform::DesktopNotifier::Urgency urgency) override;
    void SaveArmedStart(std::int64_t start) override;
    void WaitingChanged() override;

    // The icon's side of the window (TrayCommands.cpp).
    void CreateTrayIcon();
    // Runs the window until it is done, through hiding and showing again.
    int RunWithTrayIcon();
    // The tool tip follows what the window does.
    void UpdateTrayIcon();
    // Hides the window to the icon when closing it would end a take or a start waiting;
    // false when the window is to close.
    bool HideToTrayIcon();
    void CheckMinimizedStart();

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
    // Ticks of the recording's timer, paused or not: every tenth looks at the room.
    int m_nRoomTicks = 0;
    // The take was ended for want of room, writing these files: said once they are final.
    bool m_bStoppedForRoom = false;
    QStringList m_strFullDiskFiles;
    // Null where the desktop has no status notifier area.
    std::unique_ptr<CTrayIcon> m_pTray;
    bool m_bQuitting = false;
    bool m_bStartHidden = false;
    // The desktop was told, this run, that the window went to the icon.
    bool m_bToldHidden = false;
    // A recording is being made: at its end the status bar says what it recorded.
    bool m_bTakeGoingOn = false;
};

// The main window's commands: Record, Pause, Stop, Play and Help, the elapsed-time timer,
// and the return to idle when the engine's device closes. The schedule's part of them is
// the schedule's run's (ScheduleRun.cpp), told what happened here.

#include "app/ControlIds.h"
#include "app/ElapsedDisplay.h"
#include "app/HelpFile.h"
#include "app/OldTakes.h"
#include "app/RoomOnDisk.h"
#include "app/TakeReport.h"
#include "app/TessavoxDlg.h"
#include "engine/take/TakeNames.h"
#include "platform/Clock.h"
#include "platform/LocalTime.h"
#include "platform/ShowMessage.h"

#include <QApplication>
#include <QFileInfo>
#include <utility>

void CTessavoxDlg::OnRecord()
{
    m_pageRecord.UpdateData(true);
    m_pageSchedule.UpdateData(true);
    if (m_pageRecord.m_strFilePath.isEmpty()) {
        platform::ShowMessage(this, tr("Please select the audio save path."), tr("Hint"));
        return;
    }
    m_nSampleRate = SampleRateAt(m_pageRecord.m_nSampleRateIndex);
    m_nBitsPerSample = m_pageRecord.m_nBitsIndex == 1 ? 16 : 8;
    if (const FormatRow* format = FormatOfType(m_pageRecord.m_nFileType)) {
        if (const QString refusal = format->Refusal(static_cast<std::uint16_t>(m_nBitsPerSample),
                                                    static_cast<std::uint32_t>(m_nSampleRate));
            !refusal.isEmpty()) {
            platform::ShowMessage(refusal);
            return;
        }
    }

    if (m_pageSchedule.IsScheduleEnabled() && m_pageSchedule.m_nRepeat != Repeat::Once &&
        !m_pageSchedule.IsStartTimeEnabled()) {
        // A routine repeats a time of day: without one there is nothing to repeat.
        platform::ShowMessage(this, tr("Please tick \" Start time:\" to repeat a recording."),
                              QApplication::applicationName());
        return;
    }
    if (m_pageSchedule.IsScheduleEnabled() && m_pageSchedule.IsStartTimeEnabled()) {
        ScheduleStart(); // the recording begins when the countdown runs out
        return;
    }
    const QString name = m_pageRecord.TakeName(platform::CurrentTime());
    if (!ConfirmReplace(name))
        return;
    // A recording that starts now replaces a start still waiting, and may have an end.
    if (!m_schedule.RecordNow()) {
        UpdateSleepInhibitor();
        return;
    }
    if (!StartRecording(name)) {
        // A capture with nowhere to write must not keep the device busy: it is stopped, as
        // a scheduled start that cannot open its outputs stops it.
        if (m_pageRecord.m_engine.m_nStatus == STATUS_RECORDING) {
            m_statusBar.SetText(1, QString());
            OnStop();
        } else {
            m_schedule.RecordNotStarted();
        }
        // The capture did not start: the page takes up monitoring again, if it was on.
        m_pageRecord.UpdateControls();
        UpdateSleepInhibitor();
    }
}

bool CTessavoxDlg::ConfirmReplace(const QString& name)
{
    QStringList there;
    for (const QString& file : m_pageRecord.TakeFiles(name))
        if (QFileInfo::exists(file))
            there << file;
    if (there.isEmpty())
        return true;
    return platform::AskYesNo(this, there.size() == 1
                                        ? tr("%1 already exists.\nDo you want to replace it?").arg(there.front())
                                        : tr("%1 already exist.\nDo you want to replace them?").arg(there.join(tr(" and "))));
}

bool CTessavoxDlg::StartRecording(const QString& name)
{
    // Device numbers move as devices come and go: the chosen one's is looked up now.
    m_pageRecord.UpdateDeviceList();
    // A capture that does not start is caught by StartOutputFiles; the engine has said why.
    m_pageRecord.m_engine.StartRecord(static_cast<std::uint16_t>(m_nBitsPerSample),
                                      static_cast<std::uint32_t>(m_pageRecord.m_nChannelIndex),
                                      static_cast<std::uint32_t>(m_nSampleRate));
    ShowPauseCaption();
    if (!m_pageRecord.StartOutputFiles(name))
        return false;
    m_timers.Set(IDT_ELAPSED, 1000);
    m_tElapsed = 0;
    m_nRoomTicks = 0;
    m_pageRecord.UpdateControls();
    const CAudioPlayRec& engine = m_pageRecord.m_engine;
    m_bSkippingSilence = engine.CurrentTake().SkipSilenceOptions().enabled;
    m_statusBar.SetText(0, engine.IsWaitingForSound() ? tr("Waiting for sound") : tr("Recording"));
    const QString oldTakes = MoveOldTakesAway();
    m_statusBar.SetText(1, oldTakes.isEmpty() ? m_pageRecord.m_strRecordingPath
                                              : tr("%1 \u2014 %2").arg(m_pageRecord.m_strRecordingPath, oldTakes));
    m_nPartShown = 1;
    m_bTakeGoingOn = true;
    UpdateSleepInhibitor();
    return true;
}

QString CTessavoxDlg::MoveOldTakesAway()
{
    const int days = m_pageSchedule.KeepDays();
    if (days <= 0)
        return {};
    const platform::LocalParts now = platform::ToLocal(platform::CurrentTime());
    // Only once the take has started: one that does not start moves nothing.
    return OldTakesNotice(MoveOldTakes(m_pageRecord.m_strFilePath, QDate(now.year, now.month, now.day), days,
                                       StartedTakeFiles()));
}

void CTessavoxDlg::OnStop()
{
    // Also cancels a pending scheduled start or end.
    m_schedule.OnStop();
    EndTake();
}

void CTessavoxDlg::EndTake()
{
    m_timers.Kill(IDT_ELAPSED);
    m_pageRecord.m_engine.Stop();
    // While the engine is stopping, Record and Play stay disabled; the page enables them
    // when the device has closed.
    m_pageRecord.UpdateControls();
    m_statusBar.SetText(0, tr("Stopped"));
    ShowPauseCaption();
    UpdateSleepInhibitor();
}

void CTessavoxDlg::OnPlay()
{
    const QString path = ChooseFileToPlay(QString(), PlayFilter());
    if (path.isEmpty())
        return;
    const int playing = m_pageRecord.m_engine.Play(path);
    ShowPauseCaption();
    m_pageRecord.UpdateControls();
    if (playing)
        m_statusBar.SetText(0, tr("Playing"));
}

void CTessavoxDlg::OnPause()
{
    CAudioPlayRec& engine = m_pageRecord.m_engine;
    engine.m_bPause = engine.m_bPause ? 0 : 1;
    ShowPauseCaption();
}

void CTessavoxDlg::ShowPauseCaption()
{
    SetControlText(IDC_PAUSE, m_pageRecord.m_engine.m_bPause ? tr("Resume") : tr("Pause"));
    UpdateTrayIcon();
}

void CTessavoxDlg::OnHelp()
{
    OpenHelpFile();
}

void CTessavoxDlg::OnTimer(int id)
{
    if (CScheduleRun::IsCountdown(id)) {
        m_schedule.OnTimer(id);
        return;
    }
    if (id != IDT_ELAPSED)
        return;
    // One look at the file system every ten seconds; none per buffer.
    if (++m_nRoomTicks % 10 == 0) {
        WatchRoom();
        if (m_bStoppedForRoom)
            return;
    }
    // Paused time is not counted, and the size stands still with it.
    if (m_pageRecord.m_engine.m_bPause)
        return;
    ++m_tElapsed;
    SetControlText(IDC_TIME, ElapsedTimeText(m_tElapsed));
    m_pageRecord.m_engine.FlushOutputs();
    SetControlText(IDC_SIZE, FileSizeText(m_pageRecord.RecordingFilePath()));
    UpdateTrayIcon();
    // Once the recording has gone on into a new file, the status bar names that one.
    if (const int part = m_pageRecord.m_engine.CurrentTake().CurrentPart(); part > m_nPartShown) {
        m_nPartShown = part;
        // A file per sound has the moment in its name, which the page's path lacks.
        const bool perSound = m_pageRecord.m_engine.CurrentTake().SkipSilenceOptions().filePerSound;
        m_statusBar.SetText(1, perSound ? m_pageRecord.RecordingFilePath() : PartPath(m_pageRecord.m_strRecordingPath, part));
    }
}

void CTessavoxDlg::WatchRoom()
{
    if (m_pageRecord.m_engine.m_nStatus != STATUS_RECORDING)
        return;
    // The size on disk is the take's before the disk is measured.
    m_pageRecord.m_engine.FlushOutputs();
    const std::optional<std::int64_t> room = m_pageRecord.ShowRoom();
    if (!room || *room >= NEARLY_FULL_SECONDS)
        return;
    m_strFullDiskFiles = StartedTakeFiles();
    m_bStoppedForRoom = true;
    // Unlike Stop, a routine goes on: its next take may find room again.
    m_schedule.OnDiskNearlyFull();
    EndTake();
    m_statusBar.SetText(1, tr("Stopped: the disk is nearly full"));
}

void CTessavoxDlg::OnSoundingChanged(bool sounding)
{
    // Sound still handed back after Stop changes nothing shown.
    const CAudioPlayRec& engine = m_pageRecord.m_engine;
    if (engine.m_nStatus != STATUS_RECORDING)
        return;
    m_statusBar.SetText(0, sounding ? tr("Recording") : tr("Waiting for sound"));
    UpdateTrayIcon();
    // Each sound has a file of its own: the status bar names the one being written.
    if (sounding && engine.CurrentTake().SkipSilenceOptions().filePerSound) {
        m_statusBar.SetText(1, m_pageRecord.RecordingFilePath());
        m_nPartShown = 1;
    }
}

void CTessavoxDlg::OnEngineDeviceClosed()
{
    if (m_pageRecord.m_engine.m_nStatus != STATUS_READY)
        return;
    m_timers.Kill(IDT_ELAPSED);
    // A recording that met no sound made no file: the status bar says so, not a box.
    const bool took = std::exchange(m_bTakeGoingOn, false);
    if (std::exchange(m_bSkippingSilence, false) && m_pageRecord.m_engine.CurrentTake().RecordedBytes() == 0)
        m_statusBar.SetText(1, tr("No sound came: no file was made"));
    else if (took)
        m_statusBar.SetText(1, TakeReport(EndedTake()));
    const QString state = m_statusBar.Text(0);
    if (state == tr("Recording") || state == tr("Waiting for sound") || state == tr("Playing"))
        m_statusBar.SetText(0, tr("Stopped"));
    ShowPauseCaption();
    // The schedule's end is told, and a routine goes on, once the window shows the take over.
    m_schedule.OnTakeClosed();
    // Told once every file is final; the reason stays in view over the routine's next start.
    if (std::exchange(m_bStoppedForRoom, false)) {
        m_statusBar.SetText(1, tr("Stopped: the disk is nearly full"));
        m_notifier.Notify(tr("Recording stopped: the disk is nearly full"), m_strFullDiskFiles.join(QLatin1Char('\n')),
                          platform::DesktopNotifier::Urgency::Critical);
    }
    UpdateSleepInhibitor();
}

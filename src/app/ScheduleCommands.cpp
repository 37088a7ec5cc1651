// The main window's side of the schedule: the schedule of the last run armed again at
// start-up, and what the schedule's run asks of the window, answered with the window's own
// commands, status bar, message boxes and desktop notifications.

#include "app/TessavoxDlg.h"

#include "app/ControlIds.h"
#include "engine/take/TakeNames.h"
#include "platform/ControlId.h"
#include "platform/ShowMessage.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>

#include <algorithm>

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
    m_schedule.Rearm(start);
}

void CTessavoxDlg::UpdateSleepInhibitor()
{
    if (m_pageRecord.m_engine.m_nStatus == STATUS_RECORDING)
        m_sleepInhibitor.Hold(tr("Recording"));
    else if (m_schedule.IsStartWaiting())
        m_sleepInhibitor.Hold(tr("Waiting for a scheduled recording"));
    else
        m_sleepInhibitor.Release();
    // Called wherever a take or a waiting start begins or ends: the icon says so too.
    UpdateTrayIcon();
}

bool CTessavoxDlg::StartTake(const QString& name)
{
    return StartRecording(name);
}

void CTessavoxDlg::StopTake()
{
    OnStop();
}

QString CTessavoxDlg::TakeName(std::int64_t start)
{
    return m_pageRecord.TakeName(start);
}

QStringList CTessavoxDlg::TakeFiles(const QString& name)
{
    return m_pageRecord.TakeFiles(name);
}

QStringList CTessavoxDlg::StartedTakeFiles() const
{
    return m_pageRecord.m_engine.CurrentTake().Files();
}

TakeLength CTessavoxDlg::EndedTake() const
{
    const CAudioPlayRec& engine = m_pageRecord.m_engine;
    const Take& recorded = engine.CurrentTake();
    TakeLength take;
    const std::uint32_t perSecond = engine.Format().nAvgBytesPerSec;
    take.secondsWritten = static_cast<std::int64_t>(perSecond ? recorded.RecordedBytes() / perSecond : 0);
    const std::uint32_t rate = engine.Format().nSamplesPerSec;
    take.skippedSilence = recorded.SkipSilenceOptions().enabled;
    take.secondsHeard = static_cast<std::int64_t>(rate ? recorded.HeardFrames() / rate : 0);
    take.lastPart = recorded.LastPart();
    for (const QString& file : recorded.WrittenFiles())
        take.bytes += static_cast<std::uint64_t>(std::max<qint64>(0, QFileInfo(file).size()));
    take.breaks = recorded.Breaks();
    return take;
}

std::optional<std::int64_t> CTessavoxDlg::RoomForTake() const
{
    return m_pageRecord.RoomLeft();
}

void CTessavoxDlg::WatchForSilence(std::int64_t seconds)
{
    // A take that skips silence expects it: only its sound is kept.
    m_pageRecord.m_engine.WatchForSilence(m_bSkippingSilence ? 0 : seconds);
}

QString CTessavoxDlg::InputName() const
{
    const auto* list = platform::FindControl<QComboBox>(&m_pageRecord, IDC_DEVICE);
    return list ? list->currentText() : QString();
}

void CTessavoxDlg::ShowTakeGoingOn()
{
    const CAudioPlayRec& engine = m_pageRecord.m_engine;
    if (engine.m_nStatus != STATUS_RECORDING)
        return;
    m_statusBar.SetText(0, engine.IsWaitingForSound() ? tr("Waiting for sound") : tr("Recording"));
    m_statusBar.SetText(1, m_nPartShown > 1 ? PartPath(m_pageRecord.m_strRecordingPath, m_nPartShown)
                                            : m_pageRecord.m_strRecordingPath);
}

void CTessavoxDlg::ShowNotice(const QString& text)
{
    m_statusBar.SetText(1, text);
}

void CTessavoxDlg::ShowMessageBox(const QString& text)
{
    platform::ShowMessage(this, text, QApplication::applicationName());
}

bool CTessavoxDlg::AskYesNo(const QString& text)
{
    return platform::AskYesNo(this, text);
}

void CTessavoxDlg::NotifyDesktop(const QString& summary, const QString& body,
                                 platform::DesktopNotifier::Urgency urgency)
{
    m_notifier.Notify(summary, body, urgency);
}

void CTessavoxDlg::SaveArmedStart(std::int64_t start)
{
    m_settings.SaveArmed(start);
}

void CTessavoxDlg::WaitingChanged()
{
    UpdateSleepInhibitor();
}

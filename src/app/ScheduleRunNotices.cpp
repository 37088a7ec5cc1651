// What the desktop is told of a take the schedule started: that it started, that its
// schedule ended it, and every failure on its way, in the words of the message box. Whoever
// set it up may be away from the window; a recording started with Record tells the desktop
// nothing, as the user is there to see.

#include "app/ScheduleHost.h"
#include "app/ScheduleRun.h"
#include "app/TakeReport.h"
#include "engine/take/TakeNames.h"

#include <QFileInfo>

using Urgency = platform::DesktopNotifier::Urgency;

void CScheduleRun::ShowScheduleMessage(const QString& text)
{
    OnFailure(text);
    m_host.ShowMessageBox(text);
}

void CScheduleRun::OnFailure(const QString& text)
{
    if (!m_bScheduledRecording)
        return;
    // The failure is the news: an end that follows it is no ordinary one.
    m_bEndedBySchedule = false;
    // Sent before the message box, which waits for someone to press OK.
    m_host.NotifyDesktop(tr("Scheduled recording failed"), text, Urgency::Critical);
}

void CScheduleRun::OnInputSilence(bool silent)
{
    if (!m_bScheduledRecording || m_nSilentMinutes == 0)
        return;
    if (!silent) {
        m_host.ShowTakeGoingOn();
        return;
    }
    // The take goes on: the input may come back, and what it records is kept.
    const QString text = m_nSilentMinutes == 1
                             ? tr("No sound from %1 for 1 minute").arg(m_host.InputName())
                             : tr("No sound from %1 for %2 minutes").arg(m_host.InputName()).arg(m_nSilentMinutes);
    m_host.ShowNotice(text);
    m_host.NotifyDesktop(text, m_strScheduledFiles, Urgency::Normal);
}

void CScheduleRun::NotifyScheduledStart(const QString& lateNote)
{
    // Kept for the end: the outputs are closed by the time it is told.
    m_strScheduledFiles = m_host.StartedTakeFiles().join(QLatin1Char('\n'));
    m_host.NotifyDesktop(tr("Scheduled recording started"),
                         lateNote.isEmpty() ? m_strScheduledFiles : m_strScheduledFiles + QLatin1Char('\n') + lateNote,
                         Urgency::Normal);
}

void CScheduleRun::NotifyScheduledEnd()
{
    const TakeLength take = m_host.EndedTake();
    // A recording in parts names its last part too, so the whole take can be found.
    QString files = m_strScheduledFiles;
    if (take.lastPart > 1) {
        QStringList ranges;
        for (const QString& first : m_strScheduledFiles.split(QLatin1Char('\n')))
            ranges << tr("%1 to %2").arg(first, QFileInfo(PartPath(first, take.lastPart)).fileName());
        files = ranges.join(QLatin1Char('\n'));
    }
    m_host.NotifyDesktop(tr("Scheduled recording finished"), files + QLatin1Char('\n') + TakeReport(take),
                         Urgency::Normal);
}

// What the desktop is told of a recording the schedule started: that it started, that its
// schedule ended it, and every failure on its way, in the words of the message box. Whoever
// set it up may be away from the window; a recording started with Record tells the desktop
// nothing, as the user is there to see.

#include "app/ElapsedDisplay.h"
#include "app/TessavoxDlg.h"
#include "engine/take/TakeNames.h"
#include "platform/ShowMessage.h"

#include <QApplication>
#include <QFileInfo>

void CTessavoxDlg::ShowScheduleMessage(const QString& text)
{
    NotifyFailure(text);
    platform::ShowMessage(this, text, QApplication::applicationName());
}

void CTessavoxDlg::NotifyFailure(const QString& text)
{
    if (!m_bScheduledRecording)
        return;
    // The failure is the news: an end that follows it is no ordinary one.
    m_bEndedBySchedule = false;
    // Sent before the message box, which waits for someone to press OK.
    m_notifier.Notify(tr("Scheduled recording failed"), text, platform::DesktopNotifier::Urgency::Critical);
}

void CTessavoxDlg::NotifyScheduledStart(const QString& lateNote)
{
    QStringList files;
    for (int n : {0, 1})
        if (m_pageRecord.m_engine.CurrentTake().IsOutputOpen(n))
            files << m_pageRecord.m_engine.CurrentTake().OutputPath(n);
        else if (m_pageRecord.m_engine.CurrentTake().IsOutputInUse(n)) // made when sound comes
            files << m_pageRecord.m_engine.CurrentTake().RequestedPath(n);
    // Kept for the end: the outputs are closed by the time it is told.
    m_strScheduledFiles = files.join(QLatin1Char('\n'));
    m_notifier.Notify(tr("Scheduled recording started"),
                      lateNote.isEmpty() ? m_strScheduledFiles : m_strScheduledFiles + QLatin1Char('\n') + lateNote);
}

void CTessavoxDlg::NotifyScheduledEnd()
{
    const CAudioPlayRec& engine = m_pageRecord.m_engine;
    const std::uint32_t perSecond = engine.m_wfx.nAvgBytesPerSec;
    const auto seconds = static_cast<std::int64_t>(perSecond ? engine.CurrentTake().RecordedBytes() / perSecond : 0);
    // A recording in parts names its last part too, so the whole take can be found.
    QString files = m_strScheduledFiles;
    if (const int parts = engine.CurrentTake().LastPart(); parts > 1) {
        QStringList ranges;
        for (const QString& first : m_strScheduledFiles.split(QLatin1Char('\n')))
            ranges << first + QStringLiteral(" to ") + QFileInfo(PartPath(first, parts)).fileName();
        files = ranges.join(QLatin1Char('\n'));
    }
    // Skipping silence, what counts is how much sound was kept of the time recorded.
    const std::uint32_t rate = engine.m_wfx.nSamplesPerSec;
    const auto heard = static_cast<std::int64_t>(rate ? engine.CurrentTake().HeardFrames() / rate : 0);
    const QString length = m_bSkippingSilence ? LengthText(seconds) + tr(" of sound in ") + LengthText(heard)
                                              : LengthText(seconds) + tr(" recorded");
    m_notifier.Notify(tr("Scheduled recording finished"), files + QLatin1Char('\n') + length);
}

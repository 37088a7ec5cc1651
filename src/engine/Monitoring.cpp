// Monitoring: the chosen device captured with no file while the recorder is idle, so that
// the trace and the meters show the input before Record is pressed.

#include "engine/AudioPlayRec.h"

#include <QMetaObject>

QString CAudioPlayRec::StartMonitor(std::uint16_t bits, std::uint32_t channelMode, std::uint32_t rate)
{
    StopMonitor();
    if (m_nStatus != STATUS_READY)
        return tr("the recorder is busy");
    SetFormat(bits > 16 ? 16 : bits, channelMode, rate);
    PrepareBuffers();
    // From here every failure is noted rather than shown in a box.
    m_bMonitoring = true;
    QString failedCall;
    const MMRESULT rc = OpenCapture(&failedCall);
    QString failure = m_strMonitorFailure;
    if (rc != MMSYSERR_NOERROR)
        failure = platform::CurrentAudioBackend().ErrorText(rc);
    if (!failure.isEmpty()) {
        StopMonitor();
        return failure;
    }
    m_bInput = 1;
    StartLive(false);
    return {};
}

void CAudioPlayRec::StopMonitor()
{
    if (!m_bMonitoring)
        return;
    m_bMonitoring = false;
    m_strMonitorFailure.clear();
    m_view.EndLive();
    m_view.InvalidateDisplay(rect());
    // Reset gives every buffer back, and the stream is gone before its notifications come:
    // they find no stream of theirs and are dropped, its close among them.
    if (m_hWaveIn) {
        m_hWaveIn->Reset();
        m_hWaveIn->Close();
        m_hWaveIn.reset();
    }
    m_nQueued = 0;
    m_bInput = 0;
    FreeBuffers();
}

void CAudioPlayRec::NoteMonitorFailure(const QString& reason)
{
    if (!m_strMonitorFailure.isEmpty())
        return;
    m_strMonitorFailure = reason.isEmpty() ? tr("the device failed") : reason;
    QMetaObject::invokeMethod(this, &CAudioPlayRec::EndFailedMonitor, Qt::QueuedConnection);
}

void CAudioPlayRec::EndFailedMonitor()
{
    if (!m_bMonitoring || m_strMonitorFailure.isEmpty())
        return;
    const QString reason = m_strMonitorFailure;
    StopMonitor();
    emit MonitorFailed(reason);
}

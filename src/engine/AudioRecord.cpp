// Capture: the format, starting the device, the ring of buffers, each filled buffer, closing.

#include "engine/AudioPlayRec.h"

#include "engine/RiffWriter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include <utility>

void CAudioPlayRec::SetFormat(std::uint16_t bits, std::uint32_t channelMode, std::uint32_t rate)
{
    m_nChannelMode = channelMode;
    m_wfx = PcmFormat(rate, bits, channelMode == CHANNELS_MONO ? 1 : 2);
}

int CAudioPlayRec::StartRecord(std::uint16_t bits, std::uint32_t channelMode, std::uint32_t rate)
{
    if (m_nStatus == STATUS_RECORDING)
        return 1;
    m_bPause = 0;
    m_bInput = 1;
    if (bits > 16)
        bits = 16;
    if (m_nStatus != STATUS_READY) {
        ShowFailure(QStringLiteral("Class status error"));
        return 0;
    }
    // The recording takes the device over from monitoring.
    StopMonitor();
    // Only now: while stopping, the MP3 streams of the recording being finished are still open.
    ResetMp3State();
    SetFormat(bits, channelMode, rate);
    PrepareBuffers();
    m_bWriteFailed = false;
    m_strFailureToReport.clear();
    // An output this recording leaves closed must not count the parts of an earlier one.
    m_nOutputPart[0] = m_nOutputPart[1] = 1;
    m_nPartWritten = 0;
    m_nRecordedBytes = 0;
    StartGate();

    QString failedCall;
    const MMRESULT rc = OpenCapture(&failedCall);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(failedCall, rc);
        return 0;
    }
    m_nStatus = STATUS_RECORDING;
    m_view.ClearClipFlags();
    StartLive(false);
    return 1;
}

MMRESULT CAudioPlayRec::OpenCapture(QString* failedCall)
{
    const int device = m_nDeviceID == WAVE_MAPPER ? platform::DEFAULT_DEVICE : static_cast<int>(m_nDeviceID);
    MMRESULT rc = platform::CurrentAudioBackend().Open(platform::Direction::Capture, device, m_wfx, this, m_hWaveIn);
    if (rc != MMSYSERR_NOERROR) {
        m_hWaveIn.reset();
        FreeBuffers();
        *failedCall = QStringLiteral("waveInOpen()");
        return rc;
    }
    if (!m_bMonitoring)
        m_nRecordStreamId = m_hWaveIn->Id();
    for (int i = 0; i < m_nBufferCount; ++i)
        QueueInputBuffer(i);

    rc = m_hWaveIn->Start();
    if (rc != MMSYSERR_NOERROR) {
        // The device holds the ring: it must let go of every buffer before the ring is freed.
        m_hWaveIn->Reset();
        m_hWaveIn->Close();
        m_hWaveIn.reset();
        m_nQueued = 0;
        FreeBuffers();
        *failedCall = QStringLiteral("waveInStart() failed");
    }
    return rc;
}

int CAudioPlayRec::QueueInputBuffer(int i)
{
    WAVEHDR& header = m_pHeaders[static_cast<std::size_t>(i)];
    header = WAVEHDR{};
    header.lpData = m_pBuffers[static_cast<std::size_t>(i)].data();
    header.dwBufferLength = static_cast<std::uint32_t>(m_nBufferSize);
    MMRESULT rc = m_hWaveIn->Prepare(&header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(QStringLiteral("AddInputBufferToQueue Failed"), rc);
        return 0;
    }
    rc = m_hWaveIn->AddBuffer(&header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(QStringLiteral("waveInAddBuffer() failed"), rc);
        return 0;
    }
    ++m_nQueued;
    return 1;
}

// Where a path is really written: the folder as typed (on a case-sensitive file system a
// lower-cased folder is another folder) and the file name in lower case.
static QString LowerCaseFileName(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return path.left(slash + 1) + path.mid(slash + 1).toLower();
}

int CAudioPlayRec::OpenRecordFile(int n, const QString& path)
{
    const QString target = LowerCaseFileName(path);
    const bool wasOpen = IsOutputOpen(n);
    // Skipping silence, the file is made when sound comes; what would stop it is told now.
    const bool ok = m_skip.enabled && !wasOpen ? AwaitOutput(n, target) : OpenOutput(n, target);
    if (ok) {
        // Its parts are named after the path it was first opened under.
        if (!wasOpen) {
            m_strOutputPath[n] = target;
            m_nOutputPart[n] = 1;
        }
        return 1;
    }
    FreeBuffers();
    return 0;
}

bool CAudioPlayRec::IsMp3Path(const QString& path)
{
    const QString lower = path.toLower();
    const qsizetype mp3 = lower.indexOf(QStringLiteral(".mp3"));
    return mp3 >= 0 && mp3 + 4 == lower.size();
}

bool CAudioPlayRec::OpenOutput(int n, const QString& target)
{
    if (MakeOutputFile(target))
        return OpenFormatFile(n, target);
    if (!IsMp3Path(target))
        return OpenWaveFile(n, target);
    if (m_wfx.wBitsPerSample == 8) {
        ShowFailure(QStringLiteral("Cannot record 8 bits mp3"));
        return false;
    }
    return LoadEncoder() && OpenMp3Stream(target, n);
}

void CAudioPlayRec::OnInputBufferDone(WAVEHDR* header)
{
    const MMRESULT rc = m_hWaveIn->Unprepare(header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(QStringLiteral("waveInUnprepareHeader() failed"), rc);
        return;
    }
    if (m_bMonitoring) {
        // Monitoring: shown, never written.
        ConsumeInput(*header);
        if (GiveBackInput(header))
            m_view.FrameWithSound();
        return;
    }
    if (m_bClosing) {
        // Handed back by the reset of CloseRecord: its sound is written, and that is all.
        ConsumeInput(*header);
        --m_nQueued;
        return;
    }
    if (m_nStatus != STATUS_RECORDING) {
        // After Stop the device hands back the sound up to the moment of Stop: it belongs to
        // the recording. A buffer that comes back full goes back for the rest of it; the
        // device ends by handing back the one that holds its last byte, and the others empty.
        if (m_nStatus == STATUS_STOPPING) {
            if (!ConsumeInput(*header)) {
                --m_nQueued;
                EndCaptureNow();
                return;
            }
            if (header->dwBytesRecorded == header->dwBufferLength && GiveBackInput(header))
                return;
        }
        if (m_nQueued == 1)
            CloseRecord();
        else
            --m_nQueued;
        return;
    }
    if (!ConsumeInput(*header)) {
        --m_nQueued;
        EndCaptureNow();
        return;
    }
    if (GiveBackInput(header))
        m_view.FrameWithSound();
}

// Hands a consumed buffer back to the device; false (reported) when it leaves the ring.
bool CAudioPlayRec::GiveBackInput(WAVEHDR* header)
{
    MMRESULT rc = m_hWaveIn->Prepare(header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(QStringLiteral("waveInPrepareHeader() failed"), rc);
        return false;
    }
    rc = m_hWaveIn->AddBuffer(header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(QStringLiteral("waveInAddBuffer() failed"), rc);
        return false;
    }
    return true;
}

// Writes and encodes one filled buffer; false when a write failed and the recording must end.
bool CAudioPlayRec::ConsumeInput(const WAVEHDR& header)
{
    const auto recorded = static_cast<std::int32_t>(header.dwBytesRecorded);
    const int n = SplitChannels(m_wfx.wBitsPerSample, header.lpData, recorded);
    m_view.LightClipFlags(m_live.TakeClip(0), m_live.TakeClip(1));
    const char* block[2] = {header.lpData, header.lpData};
    std::uint32_t length = header.dwBytesRecorded;
    if (m_nChannelMode == CHANNELS_SPLIT) {
        block[0] = m_pLeft.data();
        block[1] = m_pRight.data();
        length = static_cast<std::uint32_t>(n);
    }
    if (!m_bPause && !m_bWriteFailed) {
        // Monitoring writes nothing: it has no stretches of sound to find.
        const bool skipping = m_skip.enabled && !m_bMonitoring;
        if (!(skipping ? WriteSounding(block, length) : WriteOutputs(block, length))) {
            m_bWriteFailed = true;
            return false;
        }
        if (!skipping)
            m_nRecordedBytes += header.dwBytesRecorded;
    }
    // The display moves while paused too: the split above gave it the sound, and it is
    // drawn at the next frame. What comes back after Stop, or at a close, is not shown:
    // the frames have ended.
    return true;
}

void CAudioPlayRec::CloseRecord()
{
    if (!m_hWaveIn || (m_nStatus != STATUS_RECORDING && m_nStatus != STATUS_STOPPING) || m_bClosing)
        return;
    // Closing now: a fallback still pending would close the next capture.
    m_timerCloseRecord.stop();
    m_view.EndLive();
    // The buffers the reset hands back hold sound of this recording: they are written
    // before the files are finished.
    m_bClosing = true;
    const MMRESULT reset = m_hWaveIn->Reset();
    QCoreApplication::sendPostedEvents(this, WaveEvent::EventType());
    m_bClosing = false;
    QThread::msleep(10);
    for (int n = 0; n < 2; ++n) {
        CloseRecordFile(n, QStringLiteral("mp3"));
        CloseRecordFile(n, QStringLiteral("wav"));
        FinishFormatFile(n);
        m_bAwaiting[n] = false;
    }
    const MMRESULT closed = m_hWaveIn->Close();
    // The device is given up whatever Close says; destroying it releases anything left.
    m_hWaveIn.reset();
    UnloadEncoder();
    ResetMp3State();
    // Told only now that every file is finished.
    if (!m_strFailureToReport.isEmpty())
        ShowFailure(std::exchange(m_strFailureToReport, QString()));
    if (reset != MMSYSERR_NOERROR)
        ReportError(QStringLiteral("waveInReset() failed"), reset);
    if (closed != MMSYSERR_NOERROR)
        ReportError(QStringLiteral("waveInClose() failed"), closed);
}

// Ends the recording at once, without waiting for the sound up to this moment: the device
// hands back what it holds, which is written, and the files are finished.
void CAudioPlayRec::EndCaptureNow()
{
    if (m_nStatus == STATUS_RECORDING) {
        m_view.EndLive();
        m_view.InvalidateDisplay(rect());
        m_nStatus = STATUS_STOPPING;
        m_bPause = 0;
    }
    CloseRecord();
}

// The server went away or the device was removed: the recording ends with every buffer
// already captured written and every file finished, and only then is the failure told.
void CAudioPlayRec::OnDeviceFailed(MMRESULT code)
{
    if (m_bMonitoring) {
        NoteMonitorFailure(platform::CurrentAudioBackend().ErrorText(code));
        return;
    }
    EndCaptureNow();
    ReportError(QStringLiteral("Recording device failed"), code);
}

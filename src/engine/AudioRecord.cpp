// Capture: the format, starting the device, the ring of buffers, each filled buffer, closing.

#include "engine/AudioPlayRec.h"

#include "engine/take/ChannelSplit.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
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
        ShowFailure(tr("Class status error"));
        return 0;
    }
    // The recording takes the device over from monitoring.
    StopMonitor();
    SetFormat(bits, channelMode, rate);
    PrepareBuffers();
    // Only now: while stopping, the files of the take being finished are still open.
    m_take.Begin(m_wfx, channelMode == CHANNELS_SPLIT, std::uint64_t{m_nBufferCount} * static_cast<std::uint64_t>(m_nBufferSize));
    m_silenceWatch.Start(0);

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
        *failedCall = tr("waveInStart() failed");
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
        ReportError(tr("AddInputBufferToQueue Failed"), rc);
        return 0;
    }
    rc = m_hWaveIn->AddBuffer(&header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(tr("waveInAddBuffer() failed"), rc);
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
    QString failure;
    if (m_take.Open(n, LowerCaseFileName(path), &failure))
        return 1;
    ShowFailure(failure);
    FreeBuffers();
    return 0;
}

void CAudioPlayRec::CloseRecordFile(int n, const QString& kind)
{
    m_take.Close(n, kind);
}

int CAudioPlayRec::SplitChannels(std::uint16_t bits, const char* data, std::int32_t length)
{
    return SplitIntoChannels(bits, m_wfx.nChannels != 1, data, length, m_pLeft.data(), m_pRight.data(),
                             static_cast<std::int32_t>(m_pLeft.size()), m_live);
}

void CAudioPlayRec::OnInputBufferDone(WAVEHDR* header)
{
    const MMRESULT rc = m_hWaveIn->Unprepare(header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(tr("waveInUnprepareHeader() failed"), rc);
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
        ReportError(tr("waveInPrepareHeader() failed"), rc);
        return false;
    }
    rc = m_hWaveIn->AddBuffer(header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(tr("waveInAddBuffer() failed"), rc);
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
    if (!m_bMonitoring && m_nStatus == STATUS_RECORDING && m_wfx.nBlockAlign)
        WatchInput(header.dwBytesRecorded / m_wfx.nBlockAlign);
    // Monitoring writes nothing; after a failed write, nothing more is written.
    if (!m_bPause && !m_bMonitoring && !m_take.HasFailed()) {
        const bool sounding = m_take.IsSounding();
        const bool ok = m_take.Write(block, length, header.dwBytesRecorded);
        ShowFailures(m_take.Notices());
        if (m_take.IsSounding() != sounding)
            emit SoundingChanged(m_take.IsSounding());
        if (!ok)
            return false;
    }
    // The display moves while paused too: the split above gave it the sound, and it is
    // drawn at the next frame. What comes back after Stop, or at a close, is not shown:
    // the frames have ended.
    return true;
}

// The buffer's loudest sample, from the peaks the split pass has just kept, goes to the
// watch: a few dozen blocks per buffer, never the samples again.
void CAudioPlayRec::WatchInput(std::uint32_t frames)
{
    if (!m_silenceWatch.IsWatching() || frames == 0)
        return;
    const std::uint64_t end = m_live.Written();
    const std::uint64_t begin = end - std::min<std::uint64_t>(frames, end);
    std::uint32_t peak = m_live.PeakBetween(0, begin, end);
    if (m_wfx.nChannels != 1)
        peak = std::max(peak, m_live.PeakBetween(1, begin, end));
    switch (m_silenceWatch.Feed(peak, platform::CurrentTime())) {
    case SilenceWatch::Change::Silent:
        emit InputSilenceChanged(true);
        break;
    case SilenceWatch::Change::SoundBack:
        emit InputSilenceChanged(false);
        break;
    case SilenceWatch::Change::None:
        break;
    }
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
    const QStringList failures = m_take.End();
    const MMRESULT closed = m_hWaveIn->Close();
    // The device is given up whatever Close says; destroying it releases anything left.
    m_hWaveIn.reset();
    // Told only now that every file is finished.
    ShowFailures(failures);
    if (reset != MMSYSERR_NOERROR)
        ReportError(tr("waveInReset() failed"), reset);
    if (closed != MMSYSERR_NOERROR)
        ReportError(tr("waveInClose() failed"), closed);
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
    ReportError(tr("Recording device failed"), code);
}

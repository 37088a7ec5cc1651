// Capture: the format, starting the device, the ring of buffers, each filled buffer, closing.

#include "engine/AudioPlayRec.h"

#include "engine/RiffWriter.h"
#include "platform/ShowMessage.h"

#include <QFileInfo>
#include <QThread>

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
        platform::ShowMessage(QStringLiteral("Class status error"));
        return 0;
    }
    // Only now: while stopping, the MP3 streams of the recording being finished are still open.
    ResetMp3State();
    SetFormat(bits, channelMode, rate);
    PrepareBuffers();
    m_bWriteFailed = false;

    const int device = m_nDeviceID == WAVE_MAPPER ? platform::DEFAULT_DEVICE : static_cast<int>(m_nDeviceID);
    const MMRESULT rc =
        platform::CurrentAudioBackend().Open(platform::Direction::Capture, device, m_wfx, this, m_hWaveIn);
    if (rc != MMSYSERR_NOERROR) {
        m_hWaveIn.reset();
        ReportError(QStringLiteral("waveInOpen()"), rc);
        FreeBuffers();
        return 0;
    }
    for (int i = 0; i < m_nBufferCount; ++i)
        QueueInputBuffer(i);

    const MMRESULT started = m_hWaveIn->Start();
    if (started != MMSYSERR_NOERROR) {
        ReportError(QStringLiteral("waveInStart() failed"), started);
        // The device holds the ring: it must let go of every buffer before the ring is freed.
        m_hWaveIn->Reset();
        m_hWaveIn->Close();
        m_hWaveIn.reset();
        m_nQueued = 0;
        FreeBuffers();
        return 0;
    }
    m_nStatus = STATUS_RECORDING;
    return 1;
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
    const QString lower = path.toLower();
    const QString target = LowerCaseFileName(path);
    const qsizetype mp3 = lower.indexOf(QStringLiteral(".mp3"));
    bool ok = false;
    if (mp3 >= 0 && mp3 + 4 == lower.size()) {
        if (m_wfx.wBitsPerSample == 8)
            platform::ShowMessage(QStringLiteral("Cannot record 8 bits mp3"));
        else
            ok = LoadEncoder() && OpenMp3Stream(target, n);
    } else {
        ok = OpenWaveFile(n, target);
    }
    if (ok)
        return 1;
    FreeBuffers();
    return 0;
}

void CAudioPlayRec::OnInputBufferDone(WAVEHDR* header)
{
    MMRESULT rc = m_hWaveIn->Unprepare(header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(QStringLiteral("waveInUnprepareHeader() failed"), rc);
        return;
    }
    if (m_nStatus != STATUS_RECORDING) {
        // After Stop the device hands back what it captured before the stop: that sound
        // belongs to the recording. Nothing is captured after it.
        if (m_nStatus == STATUS_STOPPING)
            ConsumeInput(*header);
        if (m_nQueued == 1)
            CloseRecord();
        else
            --m_nQueued;
        return;
    }
    if (!ConsumeInput(*header)) {
        --m_nQueued;
        return;
    }
    rc = m_hWaveIn->Prepare(header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(QStringLiteral("waveInPrepareHeader() failed"), rc);
        return;
    }
    rc = m_hWaveIn->AddBuffer(header);
    if (rc != MMSYSERR_NOERROR)
        ReportError(QStringLiteral("waveInAddBuffer() failed"), rc);
}

// Writes and encodes one filled buffer; false when a write failed and the recording stops.
bool CAudioPlayRec::ConsumeInput(const WAVEHDR& header)
{
    const auto recorded = static_cast<std::int32_t>(header.dwBytesRecorded);
    const int n = SplitChannels(m_wfx.wBitsPerSample, header.lpData, recorded);
    const char* block[2] = {header.lpData, header.lpData};
    std::uint32_t length[2] = {header.dwBytesRecorded, header.dwBytesRecorded};
    if (m_nChannelMode == CHANNELS_SPLIT) {
        block[0] = m_pLeft.data();
        block[1] = m_pRight.data();
        length[0] = length[1] = static_cast<std::uint32_t>(n);
    }
    if (!m_bPause && !m_bWriteFailed) {
        for (int out = 0; out < 2; ++out) {
            if (m_hFile[out] && length[out] > 0 && !WriteWave(out, block[out], length[out])) {
                m_bWriteFailed = true;
                Stop();
                platform::ShowMessage(QStringLiteral("Write file failed"));
                return false;
            }
        }
        if (m_hEncoderLib)
            FeedMp3Streams(block, length);
    }
    // The display moves while paused too. What comes back after Stop is written but not
    // shown: the bands stay empty once the recording has stopped.
    if (m_nStatus == STATUS_RECORDING)
        DrawWave(n);
    return true;
}

void CAudioPlayRec::CloseRecord()
{
    if (!m_hWaveIn || (m_nStatus != STATUS_RECORDING && m_nStatus != STATUS_STOPPING))
        return;
    // Closing now: a fallback still pending would close the next capture.
    m_timerCloseRecord.stop();
    MMRESULT rc = m_hWaveIn->Reset();
    if (rc != MMSYSERR_NOERROR)
        ReportError(QStringLiteral("waveInReset() failed"), rc);
    QThread::msleep(10);
    for (int n = 0; n < 2; ++n) {
        CloseRecordFile(n, QStringLiteral("mp3"));
        CloseRecordFile(n, QStringLiteral("wav"));
    }
    rc = m_hWaveIn->Close();
    // The device is given up whatever Close says; destroying it releases anything left.
    m_hWaveIn.reset();
    if (rc != MMSYSERR_NOERROR)
        ReportError(QStringLiteral("waveInClose() failed"), rc);
    UnloadEncoder();
    ResetMp3State();
}

// The server went away or the device was removed: say so, then end the recording as Stop
// does, so every buffer already captured is written and every file is finished.
void CAudioPlayRec::OnDeviceFailed(MMRESULT code)
{
    ReportError(QStringLiteral("Recording device failed"), code);
    if (m_nStatus == STATUS_RECORDING)
        Stop();
    else
        CloseRecord();
}

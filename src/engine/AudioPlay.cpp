// Playback of a WAV, MP3, FLAC or Opus file through the same ring of buffers.

#include "engine/AudioPlayRec.h"

#include "engine/formats/FormatTable.h"

#include <cstring>

int CAudioPlayRec::Play(const QString& path)
{
    m_bPause = 0;
    m_bInput = 0;
    if (m_nStatus != STATUS_READY) {
        ShowFailure(tr("Class status error"));
        return 0;
    }
    // Playback pauses monitoring; the owner takes it up again when the playback has closed.
    StopMonitor();
    if (!OpenPlaybackFile(path))
        return 0;
    const MMRESULT rc = platform::CurrentAudioBackend().Open(platform::Direction::Playback,
                                                             platform::DEFAULT_DEVICE, m_wfx, this, m_hWaveOut);
    if (rc != MMSYSERR_NOERROR) {
        m_hWaveOut.reset();
        // The source stays closed too, or the next Play would find it open.
        m_pSource.reset();
        ReportError(tr("waveOutOpen() failed"), rc);
        return 0;
    }
    StartLive(true);
    for (int i = 0; i < m_nBufferCount; ++i) {
        const std::uint32_t got = ReadPlayback(m_pBuffers[static_cast<std::size_t>(i)].data());
        if (got == 0 && i == 0) {
            EndFailedPlay();
            ShowFailure(tr("Read sound data from file failed"));
            return 0;
        }
        if (!WriteOutputBuffer(i, got)) {
            EndFailedPlay();
            return 0;
        }
    }
    m_nStatus = STATUS_PLAYING;
    return 1;
}

int CAudioPlayRec::OpenPlaybackFile(const QString& path)
{
    if (m_pSource)
        return 0;
    std::unique_ptr<ISoundDecoder> source = FormatOfPath(path).makeDecoder();
    if (!source->Open(path)) {
        ShowFailure(source->Failure());
        return 0;
    }
    m_wfx = source->Format();
    PrepareBuffers();
    m_pSource = std::move(source);
    return 1;
}

// Reads the next buffer of sound from the source; the rest of the buffer, which is played
// too, is silence rather than what an earlier read left there.
std::uint32_t CAudioPlayRec::ReadPlayback(char* buffer)
{
    const auto size = static_cast<std::size_t>(m_nBufferSize);
    const std::size_t got = m_pSource->Read(buffer, size);
    std::memset(buffer + got, m_wfx.wBitsPerSample == 8 ? 0x80 : 0, size - got);
    return static_cast<std::uint32_t>(got);
}

// A Play that failed after opening the device: the device goes with every buffer it was
// given, so none is counted any more.
void CAudioPlayRec::EndFailedPlay()
{
    m_view.EndLive();
    m_hWaveOut.reset();
    m_pSource.reset();
    m_nQueued = 0;
}

int CAudioPlayRec::WriteOutputBuffer(int i, std::uint32_t count)
{
    WAVEHDR& header = m_pHeaders[static_cast<std::size_t>(i)];
    header = WAVEHDR{};
    header.lpData = m_pBuffers[static_cast<std::size_t>(i)].data();
    header.dwBufferLength = static_cast<std::uint32_t>(m_nBufferSize);
    header.dwBytesRecorded = count;
    header.dwUser = static_cast<std::uintptr_t>(i);
    MMRESULT rc = m_hWaveOut->Prepare(&header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(tr("waveOutPrepareHeader() failed"), rc);
        return 0;
    }
    rc = m_hWaveOut->AddBuffer(&header);
    if (rc != MMSYSERR_NOERROR)
        ReportError(tr("waveOutWrite() failed"), rc);
    ++m_nQueued;
    // The display shows the buffer just queued, ahead of what is heard.
    SplitChannels(m_wfx.wBitsPerSample, header.lpData, static_cast<std::int32_t>(count));
    return 1;
}

void CAudioPlayRec::OnOutputBufferDone(WAVEHDR* header)
{
    const MMRESULT rc = m_hWaveOut->Unprepare(header);
    if (rc != MMSYSERR_NOERROR) {
        ReportError(tr("waveOutUnprepareHeader() failed"), rc);
        return;
    }
    --m_nQueued;
    if (m_nStatus == STATUS_PLAYING) {
        const std::uint32_t got = ReadPlayback(header->lpData);
        if (got > 0) {
            WriteOutputBuffer(static_cast<int>(header->dwUser), got);
            return;
        }
        // The end of the file: the buffers still queued hold its last sound, so they are
        // played out; the last one to come back ends the playback.
        if (m_nQueued > 0)
            return;
        Stop();
    }
    if (m_nQueued == 0 && m_nStatus != STATUS_PLAYING)
        ClosePlay();
}

void CAudioPlayRec::ClosePlay()
{
    if (!m_hWaveOut || (m_nStatus != STATUS_PLAYING && m_nStatus != STATUS_STOPPING))
        return;
    m_timerClosePlay.stop();
    m_view.EndLive();
    m_hWaveOut->Pause();
    const MMRESULT rc = m_hWaveOut->Close();
    // Given up whatever Close says; destroying the stream lets go of any buffer left, so
    // none is counted any more (the fallback closes with buffers still out).
    m_hWaveOut.reset();
    m_nQueued = 0;
    if (rc != MMSYSERR_NOERROR)
        ReportError(tr("waveOutClose() failed"), rc);
    m_pSource.reset();
    m_nStatus = STATUS_READY;
}

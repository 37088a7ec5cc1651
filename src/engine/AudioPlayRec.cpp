// The engine object: creation, device choice, the buffer ring, stop, timers, error reports
// and the dispatch of device notifications.

#include "engine/AudioPlayRec.h"

#include "mixer/InputSources.h"
#include "platform/ShowMessage.h"

#include <QCoreApplication>
#include <QTimerEvent>

CAudioPlayRec::CAudioPlayRec()
{
    SetBackColor(Qt::black);
    connect(&m_view, &LiveView::FrameShown, this, &CAudioPlayRec::FrameShown);
}

CAudioPlayRec::~CAudioPlayRec()
{
    StopMonitor();
    // Closing the window while recording ends the recording at once: the buffers the device
    // hands back, the last one partly filled, are written before the files close.
    if (m_hWaveIn)
        CloseRecord();
    // Destruction may come in any status: whatever is still open is finished here, so an
    // output file being recorded is never left with provisional sizes.
    m_hWaveIn.reset();
    m_take.End();
    if (m_hWaveOut)
        ClosePlay();
    m_hWaveOut.reset();
    m_pSource.reset();
    FreeBuffers();
}

int CAudioPlayRec::Create(std::uint32_t deviceId, QWidget* parent, const QRect* rect,
                          AudioNotifyProc notify, void* owner)
{
    SelectDevice(deviceId);
    // Playback goes to the default output here, so only the capture count limits the choice.
    if (m_nDeviceID != WAVE_MAPPER &&
        m_nDeviceID > platform::CurrentAudioBackend().DeviceCount(platform::Direction::Capture)) {
        ShowFailure(tr("Error audio device"));
        return 0;
    }
    m_nBufferSize = 4096;
    m_pfnNotify = notify;
    m_pNotifyParam = owner;
    if (!m_view.CreateDisplayWindow(parent, rect))
        return 0;
    m_nStatus = STATUS_READY;
    return 1;
}

void CAudioPlayRec::SelectDevice(std::uint32_t deviceId)
{
    StopMonitor();
    if (m_hWaveIn)
        CloseRecord();
    if (m_hWaveOut)
        ClosePlay();
    FreeBuffers();
    m_nDeviceID = deviceId;
    EnumerateInputSources(deviceId, &CAudioPlayRec::MatchMixerSource, this);
    m_view.InvalidateLowerBand();
}

bool CAudioPlayRec::MatchMixerSource(std::uint32_t index, const platform::MIXERLINE& line, void* engine)
{
    auto* self = static_cast<CAudioPlayRec*>(engine);
    const QString lower = line.szShortName.toLower();
    if (lower.contains(QStringLiteral("microphone")) ||
        line.dwComponentType == platform::MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE)
        self->m_nMicSource = index;
    else if (lower.contains(QStringLiteral("line in")) ||
             line.dwComponentType == platform::MIXERLINE_COMPONENTTYPE_SRC_LINE)
        self->m_nLineSource = index;
    return true;
}

int CAudioPlayRec::PrepareBuffers()
{
    FreeBuffers();
    m_nBufferCount = static_cast<std::uint16_t>(m_wfx.nSamplesPerSec / 11025 + m_wfx.wBitsPerSample / 8 +
                                                m_wfx.nChannels);
    return AllocBuffers(m_nBufferSize);
}

int CAudioPlayRec::AllocBuffers(std::int32_t size)
{
    m_nBufferSize = size;
    const auto bytes = static_cast<std::size_t>(size);
    m_pBuffers.assign(m_nBufferCount, std::vector<char>(bytes, 0));
    m_pLeft.assign(bytes, 0);
    m_pRight.assign(bytes, 0);
    m_pHeaders.assign(m_nBufferCount, WAVEHDR{});
    return 1;
}

void CAudioPlayRec::FreeBuffers()
{
    // Buffers stay while a file is open: the playback source or an output still uses them.
    if (m_take.AnyOutputOpen() || m_pSource)
        return;
    // A device still holding buffers would write into freed memory.
    if (m_hWaveIn || m_hWaveOut)
        return;
    m_pBuffers.clear();
    m_pBuffers.shrink_to_fit();
    m_pLeft = {};
    m_pRight = {};
    m_pHeaders = {};
}

void CAudioPlayRec::Stop()
{
    if (m_nStatus == STATUS_RECORDING) {
        // The device goes on until the sound up to this moment has come, then hands every
        // buffer back: the file ends where Stop was pressed. The timer bounds the wait.
        const MMRESULT rc = m_hWaveIn ? m_hWaveIn->Finish() : MMSYSERR_INVALHANDLE;
        if (rc != MMSYSERR_NOERROR)
            ReportError(tr("waveInReset() failed"), rc);
        m_timerCloseRecord.start(1000, this);
    } else if (m_nStatus == STATUS_PLAYING) {
        const MMRESULT rc = m_hWaveOut ? m_hWaveOut->Reset() : MMSYSERR_INVALHANDLE;
        if (rc != MMSYSERR_NOERROR)
            ReportError(tr("waveOutReset() failed"), rc);
        m_timerClosePlay.start(1000, this);
    } else {
        return;
    }
    m_view.EndLive();
    m_view.InvalidateDisplay(rect());
    m_nStatus = STATUS_STOPPING;
    m_bPause = 0;
}

void CAudioPlayRec::timerEvent(QTimerEvent* e)
{
    if (e->timerId() == m_timerCloseRecord.timerId())
        OnTimer(IDT_CLOSE_RECORD);
    else if (e->timerId() == m_timerClosePlay.timerId())
        OnTimer(IDT_CLOSE_PLAY);
    else
        QWidget::timerEvent(e);
}

void CAudioPlayRec::OnTimer(int id)
{
    if (id == IDT_CLOSE_RECORD) {
        m_timerCloseRecord.stop();
        CloseRecord();
    } else if (id == IDT_CLOSE_PLAY) {
        m_timerClosePlay.stop();
        ClosePlay();
    }
}

void CAudioPlayRec::ReportError(const QString& text, MMRESULT code)
{
    // The device's own text for the code: the wave-in text while capturing, else wave-out's.
    const QString deviceText = platform::CurrentAudioBackend().ErrorText(code).left(99);
    if (m_bMonitoring) {
        // Monitoring shows no box: it ends, and the page says why.
        NoteMonitorFailure(deviceText);
        return;
    }
    ShowFailure(QStringLiteral("WAVEIN:%1:%2 %3").arg(code, 0, 16).arg(deviceText, text));
}

void CAudioPlayRec::ShowFailure(const QString& text)
{
    m_take.Settle();
    emit Failure(text);
    platform::ShowMessage(text);
}

void CAudioPlayRec::ShowFailures(const QStringList& texts)
{
    for (const QString& text : texts)
        ShowFailure(text);
}

bool CAudioPlayRec::event(QEvent* e)
{
    if (e->type() == WaveEvent::EventType()) {
        PreTranslateMessage(static_cast<const WaveEvent&>(*e));
        return true;
    }
    return QWidget::event(e);
}

void CAudioPlayRec::PreTranslateMessage(const WaveEvent& ev)
{
    const std::uint64_t id = ev.StreamId();
    const bool fromCapture = m_hWaveIn && m_hWaveIn->Id() == id;
    const bool fromPlayback = m_hWaveOut && m_hWaveOut->Id() == id;
    switch (ev.Message()) {
    case MM_WIM_DATA:
        // A buffer of a stream already closed belongs to a ring that may be gone: not touched.
        if (fromCapture)
            OnInputBufferDone(ev.Header());
        break;
    case MM_WIM_CLOSE:
        // The close of an earlier stream must not end the capture now running, and a
        // monitoring stream closes unheard: only the recording's close makes the engine ready.
        if ((m_hWaveIn && !fromCapture) || id != m_nRecordStreamId)
            return;
        m_nQueued = 0;
        m_bInput = 0;
        m_nStatus = STATUS_READY;
        break;
    case MM_WIM_BREAK:
        // Sound lost on its way to a take being recorded is a break in it; paused, nothing
        // of it was to be kept.
        if (fromCapture && !m_bMonitoring && !m_bPause &&
            (m_nStatus == STATUS_RECORDING || m_nStatus == STATUS_STOPPING))
            m_take.NoteBreak();
        return;
    case MM_WIM_ERROR:
        // A failure while the recording is being closed changes nothing: it is ending.
        if (fromCapture && !m_bClosing)
            OnDeviceFailed(ev.Error());
        return;
    case MM_WOM_DONE:
        if (fromPlayback)
            OnOutputBufferDone(ev.Header());
        break;
    case MM_WOM_CLOSE:
        if (m_hWaveOut && !fromPlayback)
            return;
        m_bInput = 0;
        m_nStatus = STATUS_READY;
        break;
    case MM_WOM_ERROR:
        if (fromPlayback) {
            ReportError(tr("Playback device failed"), ev.Error());
            Stop();
        }
        return;
    default:
        break;
    }
    if (ev.Message() >= MM_WOM_OPEN && ev.Message() <= 0x3C9 && m_pfnNotify)
        m_pfnNotify(ev.Message(), m_pNotifyParam);
}

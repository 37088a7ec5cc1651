#include "platform/audio/pulse/PulseStream.h"

#include <QCoreApplication>

#include <pulse/error.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace platform {

namespace {

constexpr std::uint32_t SERVER_CHOOSES = static_cast<std::uint32_t>(-1);

// A sound-server error number as a result code.
MMRESULT ServerError(int error)
{
    return SERVER_ERROR_BASE + static_cast<MMRESULT>(error);
}

std::uint32_t BytesFor(const WAVEFORMATEX& format, unsigned milliseconds)
{
    const std::uint32_t frames = std::max<std::uint32_t>(1, format.nSamplesPerSec * milliseconds / 1000);
    return frames * format.nBlockAlign;
}

// Whole frames only, so that each handed-back buffer starts on a frame.
std::uint32_t CaptureCapacity(const WAVEHDR& header, const WAVEFORMATEX& format)
{
    return header.dwBufferLength - header.dwBufferLength % format.nBlockAlign;
}

} // namespace

PulseStream::PulseStream(std::shared_ptr<PulseConnection> connection, Direction dir,
                         const WAVEFORMATEX& format, QObject* target)
    : m_pConnection(std::move(connection)), m_dir(dir), m_format(format), m_pTarget(target),
      m_nId(NextStreamId())
{
    m_pConnection->CountStreams(1);
}

MMRESULT PulseStream::Open(std::shared_ptr<PulseConnection> connection, pa_context* context,
                           PulseConnection::Deadline deadline, Direction dir, const char* device,
                           const WAVEFORMATEX& format, QObject* target, std::unique_ptr<IWaveStream>& stream)
{
    std::unique_ptr<PulseStream> opened(new PulseStream(std::move(connection), dir, format, target));
    opened->m_tStart = Now();
    const MMRESULT result = opened->Connect(context, deadline, device);
    if (result != MMSYSERR_NOERROR)
        return result;
    opened->m_bOpen = true;
    opened->Post(opened->Message(MM_WIM_OPEN, MM_WOM_OPEN), nullptr, MMSYSERR_NOERROR);
    stream = std::move(opened);
    return MMSYSERR_NOERROR;
}

MMRESULT PulseStream::Connect(pa_context* context, PulseConnection::Deadline deadline, const char* device)
{
    const pa_sample_spec spec{m_format.wBitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE,
                              m_format.nSamplesPerSec, static_cast<std::uint8_t>(m_format.nChannels)};
    // The desktop's sound settings list the stream by this name, beside the program's.
    const QByteArray name = (m_dir == Direction::Capture ? QCoreApplication::translate("PulseStream", "Recording")
                                                         : QCoreApplication::translate("PulseStream", "Playback"))
                                .toUtf8();
    m_pStream = pa_stream_new(context, name.constData(), &spec, nullptr);
    if (!m_pStream)
        return ServerError(pa_context_errno(context));
    pa_stream_set_state_callback(
        m_pStream, [](pa_stream*, void* self) { static_cast<PulseStream*>(self)->OnStateChanged(); }, this);

    pa_buffer_attr attr{SERVER_CHOOSES, SERVER_CHOOSES, SERVER_CHOOSES, SERVER_CHOOSES, SERVER_CHOOSES};
    // A device the user chose must not be swapped for another behind the recording's back:
    // if it goes away, the stream fails. The default device follows the server's default.
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | (device ? PA_STREAM_DONT_MOVE : 0) |
                                       (m_dir == Direction::Capture ? PA_STREAM_START_CORKED : 0));
    int connected;
    if (m_dir == Direction::Capture) {
        attr.fragsize = BytesFor(m_format, CAPTURE_FRAGMENT_MS);
        pa_stream_set_read_callback(
            m_pStream,
            [](pa_stream*, size_t, void* self) {
                auto* stream = static_cast<PulseStream*>(self);
                stream->m_bSoundWaiting = true;
                stream->TakeCaptured();
            },
            this);
        // A server that says it overran has lost sound of ours: a break in the recording.
        pa_stream_set_overflow_callback(
            m_pStream, [](pa_stream*, void* self) { static_cast<PulseStream*>(self)->OnOverrun(); }, this);
        connected = pa_stream_connect_record(m_pStream, device, &attr, flags);
    } else {
        attr.tlength = BytesFor(m_format, PLAYBACK_LATENCY_MS);
        // Start as soon as there is sound, so a sound shorter than the latency is played
        // too; after an underrun, wait for the next byte rather than skip ahead.
        attr.prebuf = m_format.nBlockAlign;
        pa_stream_set_write_callback(
            m_pStream, [](pa_stream*, size_t, void* self) { static_cast<PulseStream*>(self)->FeedServer(); },
            this);
        m_bRunning = true;
        connected = pa_stream_connect_playback(m_pStream, device, &attr, flags, nullptr, nullptr);
    }
    if (connected < 0) {
        const MMRESULT code = ServerError(pa_context_errno(context));
        Release();
        return code;
    }

    const bool settled = m_pConnection->WaitUntil(
        [this] {
            const pa_stream_state_t state = pa_stream_get_state(m_pStream);
            return state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state);
        },
        deadline);
    if (settled && Live())
        return MMSYSERR_NOERROR;
    const MMRESULT code = ServerError(settled ? pa_context_errno(context) : PA_ERR_TIMEOUT);
    Release();
    return code;
}

PulseStream::~PulseStream()
{
    if (m_bOpen) {
        Reset();
        Close();
    }
    PulseConnection::Lock lock(*m_pConnection);
    Release();
    // Its target may go once it is gone: nothing of it is left held.
    m_pConnection->PostHeld();
    if (m_bUnwatched)
        m_pConnection->CountUnwatched(-1);
    m_pConnection->CountStreams(-1);
}

void PulseStream::SetWatched(bool watched)
{
    PulseConnection::Lock lock(*m_pConnection);
    if (m_dir != Direction::Capture || watched != m_bUnwatched)
        return;
    m_bUnwatched = !watched;
    m_pConnection->CountUnwatched(watched ? -1 : 1);
    // What was held for the watcher's frames goes now: there may be none.
    if (!watched)
        m_pConnection->PostHeld();
}

bool PulseStream::Collect(const Take& take)
{
    // A handler may close this stream meanwhile: the connection outlives it.
    const std::shared_ptr<PulseConnection> connection = m_pConnection;
    return connection->Collect(m_pTarget, take);
}

void PulseStream::Release()
{
    if (!m_pStream)
        return;
    pa_stream_set_state_callback(m_pStream, nullptr, nullptr);
    pa_stream_set_read_callback(m_pStream, nullptr, nullptr);
    pa_stream_set_write_callback(m_pStream, nullptr, nullptr);
    pa_stream_set_overflow_callback(m_pStream, nullptr, nullptr);
    CancelTiming();
    CancelDrain();
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(m_pStream)))
        pa_stream_disconnect(m_pStream);
    pa_stream_unref(m_pStream);
    m_pStream = nullptr;
    m_bPeeked = false;
    UpdateStreaming();
}

bool PulseStream::Live() const
{
    return m_pStream && pa_stream_get_state(m_pStream) == PA_STREAM_READY;
}

MMRESULT PulseStream::FailureCode() const
{
    return m_bFailed ? m_nFailure : ServerError(PA_ERR_BADSTATE);
}

MMRESULT PulseStream::CheckOpen() const
{
    return m_bOpen ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
}

void PulseStream::Send(pa_operation* operation)
{
    if (operation)
        pa_operation_unref(operation);
}

std::uint32_t PulseStream::Message(std::uint32_t capture, std::uint32_t playback) const
{
    return m_dir == Direction::Capture ? capture : playback;
}

void PulseStream::Post(std::uint32_t message, WAVEHDR* header, MMRESULT error)
{
    m_pConnection->Post(m_pTarget, new WaveEvent(message, m_nId, header, error));
}

void PulseStream::HandBack(WAVEHDR* header)
{
    header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
    Post(Message(MM_WIM_DATA, MM_WOM_DONE), header, MMSYSERR_NOERROR);
}

void PulseStream::HandBackAll()
{
    CancelDrain();
    while (!m_queue.empty()) {
        WAVEHDR* header = m_queue.front();
        m_queue.pop_front();
        HandBack(header);
    }
    m_nFrontSent = 0;
}

MMRESULT PulseStream::Prepare(WAVEHDR* header)
{
    PulseConnection::Lock lock(*m_pConnection);
    if (const MMRESULT result = CheckOpen(); result != MMSYSERR_NOERROR)
        return result;
    if (const MMRESULT result = CheckHeader(header); result != MMSYSERR_NOERROR)
        return result;
    header->dwFlags |= WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT PulseStream::Unprepare(WAVEHDR* header)
{
    PulseConnection::Lock lock(*m_pConnection);
    if (const MMRESULT result = CheckOpen(); result != MMSYSERR_NOERROR)
        return result;
    if (!header)
        return MMSYSERR_INVALPARAM;
    if (header->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    header->dwFlags &= ~WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT PulseStream::AddBuffer(WAVEHDR* header)
{
    PulseConnection::Lock lock(*m_pConnection);
    if (const MMRESULT result = CheckOpen(); result != MMSYSERR_NOERROR)
        return result;
    if (const MMRESULT result = CheckHeader(header); result != MMSYSERR_NOERROR)
        return result;
    if (!(header->dwFlags & WHDR_PREPARED))
        return WAVERR_UNPREPARED;
    if (header->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    if (m_dir == Direction::Capture) {
        if (CaptureCapacity(*header, m_format) == 0)
            return MMSYSERR_INVALPARAM; // not even one frame fits
        header->dwBytesRecorded = 0;
        if (m_bFinished) {
            HandBack(header); // empty: the capture has ended
            return MMSYSERR_NOERROR;
        }
    }
    header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
    m_queue.push_back(header);
    // The server may already hold sound for it (capture) or want sound now (playback).
    if (m_dir == Direction::Capture)
        TakeCaptured();
    else
        FeedServer();
    return MMSYSERR_NOERROR;
}

MMRESULT PulseStream::Start()
{
    PulseConnection::Lock lock(*m_pConnection);
    if (const MMRESULT result = CheckOpen(); result != MMSYSERR_NOERROR)
        return result;
    if (!Live())
        return FailureCode();
    if (!m_bRunning) {
        pa_operation* uncork = pa_stream_cork(m_pStream, 0, nullptr, nullptr);
        if (!uncork)
            return ServerError(pa_context_errno(pa_stream_get_context(m_pStream)));
        Send(uncork);
        m_bRunning = true;
        if (m_dir == Direction::Capture) {
            // The first round holds the sound from the Open on: the time the server takes
            // to open a stream is not the user's loss.
            if (m_bStartedBefore)
                m_tStart = Now();
            m_bStartedBefore = true;
            m_bFirstSound = false;
            m_records.clear();
            m_window.Restart();
            m_bFinishing = false;
            m_bFinished = false;
        }
    }
    return MMSYSERR_NOERROR;
}

MMRESULT PulseStream::Pause()
{
    PulseConnection::Lock lock(*m_pConnection);
    if (const MMRESULT result = CheckOpen(); result != MMSYSERR_NOERROR)
        return result;
    if (m_dir == Direction::Capture)
        return MMSYSERR_NOTSUPPORTED;
    if (!Live())
        return FailureCode();
    if (m_bRunning) {
        Send(pa_stream_cork(m_pStream, 1, nullptr, nullptr));
        m_bRunning = false;
    }
    return MMSYSERR_NOERROR;
}

MMRESULT PulseStream::Reset()
{
    PulseConnection::Lock lock(*m_pConnection);
    if (const MMRESULT result = CheckOpen(); result != MMSYSERR_NOERROR)
        return result;
    if (m_dir == Direction::Capture) {
        // Reset does not wait for timing: everything that has arrived is the recording's.
        CancelTiming();
        m_bFinishing = false;
        m_window.CancelStop();
        if (!m_window.StartKnown())
            m_window.SetStart(0);
        if (Live() && m_bRunning && !m_bFinished) {
            // While the server confirms the stop, the main loop takes in the sound it sent
            // before; what is left over is taken here. Nothing captured before this call
            // is lost.
            m_pConnection->Finish(pa_stream_cork(m_pStream, 1, nullptr, nullptr),
                                  PulseConnection::ReplyDeadline());
            TakeCaptured();
        }
        m_bRunning = false;
        // A round after this one counts from its own Start.
        m_bStartedBefore = true;
        m_bFinished = false;
        DropCaptured();
        UpdateStreaming();
    } else if (Live()) {
        Send(pa_stream_flush(m_pStream, nullptr, nullptr));
    }
    HandBackAll();
    return MMSYSERR_NOERROR;
}

MMRESULT PulseStream::Finish()
{
    PulseConnection::Lock lock(*m_pConnection);
    if (const MMRESULT result = CheckOpen(); result != MMSYSERR_NOERROR)
        return result;
    if (m_dir != Direction::Capture)
        return MMSYSERR_NOTSUPPORTED;
    if (m_bFinishing || m_bFinished)
        return MMSYSERR_NOERROR;
    if (!Live() || !m_bRunning) {
        // Nothing is coming: what the buffers hold is all there is.
        m_bFinished = true;
        HandBackAll();
        return MMSYSERR_NOERROR;
    }
    m_tFinish = Now();
    m_bFinishing = true;
    UpdateStreaming();
    m_window.AwaitStop();
    if (!m_bFirstSound) {
        // No sound has come yet: the records for the stop place the start too.
        m_bFirstSound = true;
        m_tFirstSound = m_tFinish;
    }
    RequestTiming();
    return MMSYSERR_NOERROR;
}

MMRESULT PulseStream::Close()
{
    PulseConnection::Lock lock(*m_pConnection);
    if (const MMRESULT result = CheckOpen(); result != MMSYSERR_NOERROR)
        return result;
    if (!m_queue.empty())
        return WAVERR_STILLPLAYING;
    Release();
    m_bOpen = false;
    Post(Message(MM_WIM_CLOSE, MM_WOM_CLOSE), nullptr, MMSYSERR_NOERROR);
    return MMSYSERR_NOERROR;
}

void PulseStream::OnStateChanged()
{
    if (pa_stream_get_state(m_pStream) == PA_STREAM_FAILED && m_bOpen && !m_bFailed) {
        m_bFailed = true;
        m_nFailure = ServerError(pa_context_errno(pa_stream_get_context(m_pStream)));
        Post(Message(MM_WIM_ERROR, MM_WOM_ERROR), nullptr, m_nFailure);
    }
    UpdateStreaming();
    m_pConnection->Signal();
}

void PulseStream::TakeCaptured()
{
    if (m_bFinished) {
        DropCaptured();
        return;
    }
    // Nothing is taken before Start: what comes after a Reset is from before the next one.
    if (!m_bRunning)
        return;
    while (!m_queue.empty() && Live()) {
        if (!m_window.StartKnown()) {
            // The first sound is here: where the start lies is found before any is taken.
            if (!m_bFirstSound && pa_stream_readable_size(m_pStream) > 0) {
                m_bFirstSound = true;
                m_tFirstSound = Now();
                RequestTiming();
            }
            return;
        }
        if (m_window.Reached())
            break;
        if (!m_bPeeked) {
            if (!m_bSoundWaiting)
                return;
            const void* data = nullptr;
            std::size_t size = 0;
            if (pa_stream_peek(m_pStream, &data, &size) < 0 || size == 0) {
                m_bSoundWaiting = false;
                return;
            }
            m_bPeeked = true;
            m_bHoleUntold = data == nullptr;
            m_pFragment = data;
            m_nFragmentSize = size;
            m_nFragmentTaken = 0;
        }
        const CaptureWindow::Share share = m_window.Next(m_nFragmentSize - m_nFragmentTaken);
        WAVEHDR* header = m_queue.front();
        const std::uint32_t capacity = CaptureCapacity(*header, m_format);
        const std::size_t take = std::min<std::size_t>(capacity - header->dwBytesRecorded, share.keep);
        if (share.skip == 0 && take == 0)
            return; // the stop is ahead, and its sound has not come yet
        char* into = header->lpData + header->dwBytesRecorded;
        const std::size_t from = m_nFragmentTaken + share.skip;
        if (m_pFragment)
            std::memcpy(into, static_cast<const char*>(m_pFragment) + from, take);
        else // a hole the server left: keep the time it stands for, as silence
            std::memset(into, m_format.wBitsPerSample == 8 ? 0x80 : 0, take);
        // Sound was lost there: told once, with the silence that stands for it.
        if (take > 0 && std::exchange(m_bHoleUntold, false))
            Post(MM_WIM_BREAK, nullptr, MMSYSERR_NOERROR);
        header->dwBytesRecorded += static_cast<std::uint32_t>(take);
        m_nFragmentTaken += share.skip + take;
        m_window.Advance(share.skip + take);
        if (m_nFragmentTaken == m_nFragmentSize) {
            pa_stream_drop(m_pStream);
            m_bPeeked = false;
        }
        if (header->dwBytesRecorded == capacity) {
            m_queue.pop_front();
            HandBack(header);
        }
    }
    if (m_window.Reached())
        EndCapture();
}

void PulseStream::OnOverrun()
{
    // Only sound of the recording counts: none is kept before Start or after the stop.
    if (m_bRunning && !m_bFinished && m_window.StartKnown())
        Post(MM_WIM_BREAK, nullptr, MMSYSERR_NOERROR);
}

void PulseStream::EndCapture()
{
    // Sound taken before the stop was placed, and lying after it, leaves the buffer it is
    // in; sound already handed back stays handed back.
    if (const std::uint64_t over = m_window.Overshoot(); over > 0 && !m_queue.empty()) {
        WAVEHDR* front = m_queue.front();
        front->dwBytesRecorded -= static_cast<std::uint32_t>(std::min<std::uint64_t>(over, front->dwBytesRecorded));
    }
    CancelTiming();
    m_bFinishing = false;
    m_bFinished = true;
    HandBackAll();
    if (Live() && m_bRunning)
        Send(pa_stream_cork(m_pStream, 1, nullptr, nullptr));
    m_bRunning = false;
    DropCaptured();
    UpdateStreaming();
}

void PulseStream::UpdateStreaming()
{
    const bool streaming = m_dir == Direction::Capture && m_bRunning && Live() && m_window.StartKnown() &&
                           !m_bFinishing && !m_bFinished;
    if (streaming == m_bStreaming)
        return;
    m_bStreaming = streaming;
    m_pConnection->CountStreaming(streaming ? 1 : -1);
}

void PulseStream::DropCaptured()
{
    while (Live()) {
        if (!m_bPeeked) {
            const void* data = nullptr;
            std::size_t size = 0;
            if (pa_stream_peek(m_pStream, &data, &size) < 0 || size == 0)
                return;
            m_nFragmentSize = size;
            m_nFragmentTaken = 0;
        }
        // The window keeps counting the stream's bytes: the server's timing places moments
        // by them, dropped or not.
        m_window.Advance(m_nFragmentSize - m_nFragmentTaken);
        pa_stream_drop(m_pStream);
        m_bPeeked = false;
    }
}

} // namespace platform

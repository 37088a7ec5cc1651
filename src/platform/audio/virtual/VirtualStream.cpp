#include "platform/audio/virtual/VirtualStream.h"

#include "platform/audio/virtual/VirtualBackendState.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace platform {

VirtualStream::VirtualStream(std::shared_ptr<VirtualBackend::State> state, Direction dir,
                             const VirtualDeviceSpec& device, const WAVEFORMATEX& format, QObject* target)
    : m_pState(std::move(state)), m_nId(NextStreamId()), m_dir(dir), m_device(device), m_format(format),
      m_generator(device, format), m_pTarget(target), m_nClockOrigin(m_pState->clock.Now())
{
    m_pState->Register(this);
    Post(m_dir == Direction::Capture ? MM_WIM_OPEN : MM_WOM_OPEN);
}

VirtualStream::~VirtualStream()
{
    if (!m_bOpen)
        return;
    Reset();
    // Nothing is queued after Reset, so this closes whatever fault the device carries.
    Close();
}

MMRESULT VirtualStream::Prepare(WAVEHDR* header)
{
    if (!m_bOpen)
        return MMSYSERR_INVALHANDLE;
    if (const MMRESULT result = CheckHeader(header); result != MMSYSERR_NOERROR)
        return result;
    if (CountedCallFails(VirtualFault::FailPrepare, m_nPrepares))
        return MMSYSERR_NOMEM;
    header->dwFlags |= WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualStream::Unprepare(WAVEHDR* header)
{
    if (!m_bOpen)
        return MMSYSERR_INVALHANDLE;
    if (!header)
        return MMSYSERR_INVALPARAM;
    if (IsQueued(header))
        return WAVERR_STILLPLAYING;
    if (CountedCallFails(VirtualFault::FailUnprepare, m_nUnprepares))
        return MMSYSERR_ERROR;
    header->dwFlags &= ~WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualStream::AddBuffer(WAVEHDR* header)
{
    if (!m_bOpen)
        return MMSYSERR_INVALHANDLE;
    if (const MMRESULT result = CheckHeader(header); result != MMSYSERR_NOERROR)
        return result;
    if (!(header->dwFlags & WHDR_PREPARED))
        return WAVERR_UNPREPARED;
    if (IsQueued(header))
        return WAVERR_STILLPLAYING;
    if (CountedCallFails(VirtualFault::FailAdd, m_nAdds))
        return MMSYSERR_NOMEM;
    // Time that passed while the queue was empty belongs to no buffer, this one included.
    CatchUp();
    if (m_dir == Direction::Capture)
        header->dwBytesRecorded = 0;
    if (m_bFinished) {
        HandBack(header); // empty: the capture has ended
        return MMSYSERR_NOERROR;
    }
    header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
    m_queue.push_back(header);
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualStream::Start()
{
    if (!m_bOpen)
        return MMSYSERR_INVALHANDLE;
    if (m_device.fault == VirtualFault::FailStart)
        return MMSYSERR_ERROR;
    // Time before the start is not captured (or, paused, not played).
    CatchUp();
    // For playback this is the classic restart: the only way out of Pause.
    if (m_dir == Direction::Capture) {
        if (!m_bStarted) {
            m_bStarted = true;
            m_bFinished = false;
            m_nProduced = 0;
            m_nHandedOver = 0;
            m_nToDrop = 0;
            m_bLosing = false;
            m_window.Restart();
            m_pendingStop.reset();
            m_nStartPosition = m_window.Position();
            // The device's timing places the sound it had before Start, which is left out.
            const int lead = m_device.timing ? std::max(0, m_device.leadFrames) : 0;
            const std::uint64_t start = m_nStartPosition + static_cast<std::uint64_t>(lead) * m_format.nBlockAlign;
            if (m_device.timing && m_device.timingLagFrames > 0)
                m_pendingStart = PendingEdge{start, m_device.timingLagFrames};
            else
                m_window.SetStart(start);
            Deliver();
        }
    } else {
        m_bPaused = false;
    }
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualStream::Reset()
{
    if (!m_bOpen)
        return MMSYSERR_INVALHANDLE;
    // Everything captured up to this call reaches the buffers before they come back.
    CatchUp();
    if (m_dir == Direction::Capture) {
        if (m_bStarted && !m_bFailed) {
            // Reset does not wait for timing: everything that has arrived is the recording's.
            if (!m_window.StartKnown())
                m_window.SetStart(0);
            m_pendingStart.reset();
            m_pendingStop.reset();
            m_window.CancelStop();
            Capture();
        }
        m_bStarted = false;
        m_bFinished = false;
    }
    m_nPlayedInFront = 0;
    while (!m_queue.empty()) {
        WAVEHDR* header = m_queue.front();
        m_queue.pop_front();
        HandBack(header);
    }
    return m_device.fault == VirtualFault::FailReset ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
}

MMRESULT VirtualStream::Pause()
{
    if (!m_bOpen)
        return MMSYSERR_INVALHANDLE;
    if (m_dir == Direction::Capture)
        return MMSYSERR_NOTSUPPORTED;
    CatchUp();
    m_bPaused = true;
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualStream::Finish()
{
    if (!m_bOpen)
        return MMSYSERR_INVALHANDLE;
    if (m_dir != Direction::Capture)
        return MMSYSERR_NOTSUPPORTED;
    CatchUp();
    if (m_bFinished || m_window.StopKnown() || m_pendingStop)
        return MMSYSERR_NOERROR;
    if (!m_bStarted || m_bFailed) {
        EndCapture();
        return MMSYSERR_NOERROR;
    }
    // With timing, the stop is the frame captured at this moment, wherever the device's
    // fragments stand; without, it is what has been handed over.
    const std::int64_t frame = static_cast<std::int64_t>(m_nProduced) + m_device.leadFrames;
    const std::uint64_t stop =
        m_nStartPosition + static_cast<std::uint64_t>(std::max<std::int64_t>(0, frame)) * m_format.nBlockAlign;
    if (!m_device.timing) {
        m_window.SetStop(m_nStartPosition + m_nHandedOver * m_format.nBlockAlign);
    } else if (m_device.timingLagFrames > 0) {
        m_pendingStop = PendingEdge{stop, m_nProduced + m_device.timingLagFrames};
        m_window.AwaitStop();
    } else {
        m_window.SetStop(stop);
    }
    Capture();
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualStream::Close()
{
    if (!m_bOpen)
        return MMSYSERR_INVALHANDLE;
    if (!m_queue.empty())
        return WAVERR_STILLPLAYING;
    m_bOpen = false;
    m_pState->Unregister(this);
    Post(m_dir == Direction::Capture ? MM_WIM_CLOSE : MM_WOM_CLOSE);
    return m_device.fault == VirtualFault::FailClose ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
}

void VirtualStream::Run(std::uint64_t frames)
{
    const bool running = m_dir == Direction::Capture ? m_bStarted : !m_bPaused;
    if (!m_bOpen || !running || FailsNow())
        return;
    if (m_dir == Direction::Capture) {
        m_nProduced += frames;
        PlaceEdges();
        Deliver();
    } else {
        Play(frames * m_format.nBlockAlign);
    }
}

void VirtualStream::Deliver()
{
    const std::int64_t ready = static_cast<std::int64_t>(m_nProduced) + m_device.leadFrames;
    if (ready > 0) {
        auto frames = static_cast<std::uint64_t>(ready);
        if (m_device.fragmentFrames > 0)
            frames -= frames % m_device.fragmentFrames;
        m_nHandedOver = std::max(m_nHandedOver, frames);
    }
    Capture();
}

void VirtualStream::PlaceEdges()
{
    if (m_pendingStart && m_nProduced >= m_pendingStart->placedAt) {
        m_window.SetStart(m_pendingStart->position);
        m_pendingStart.reset();
    }
    if (m_pendingStop && m_nProduced >= m_pendingStop->placedAt) {
        m_window.SetStop(m_pendingStop->position);
        m_pendingStop.reset();
    }
}

void VirtualStream::CatchUp()
{
    if (!m_bOpen)
        return;
    const std::uint64_t due = VirtualClock::FramesIn(m_pState->clock.Now() - m_nClockOrigin, m_format.nSamplesPerSec);
    if (due <= m_nClockFrames)
        return;
    const std::uint64_t frames = due - m_nClockFrames;
    m_nClockFrames = due;
    Run(frames);
}

void VirtualStream::Fail(MMRESULT code)
{
    if (!m_bOpen || m_bFailed)
        return;
    m_bFailed = true;
    Post(m_dir == Direction::Capture ? MM_WIM_ERROR : MM_WOM_ERROR, nullptr, code);
}

void VirtualStream::Capture()
{
    const std::uint64_t arrived = m_nStartPosition + m_nHandedOver * m_format.nBlockAlign;
    while (m_window.Position() < arrived && !m_window.Reached()) {
        const CaptureWindow::Share share = m_window.Next(static_cast<std::size_t>(arrived - m_window.Position()));
        if (share.skip == 0 && share.keep == 0)
            break;
        std::uint64_t n = share.skip;
        if (n == 0 && m_nToDrop > 0) {
            // DropBuffers: an overrun the server tells of.
            n = std::min<std::uint64_t>(share.keep, m_nToDrop);
            m_nToDrop -= n;
            if (!std::exchange(m_bLosing, true))
                Post(MM_WIM_BREAK);
        } else if (n == 0 && m_queue.empty()) {
            // An overrun: the device went on, and what it captured is gone. A server would
            // keep it a while; this device keeps nothing, and tells nothing.
            n = share.keep;
        } else if (n == 0) {
            WAVEHDR* header = m_queue.front();
            n = std::min<std::uint64_t>(share.keep, header->dwBufferLength - header->dwBytesRecorded);
            m_generator.Fill(m_nCaptured, header->lpData + header->dwBytesRecorded, static_cast<std::size_t>(n));
            header->dwBytesRecorded += static_cast<std::uint32_t>(n);
            m_bLosing = false;
            if (header->dwBytesRecorded == header->dwBufferLength) {
                m_queue.pop_front();
                HandBack(header);
                ++m_nHandedBack;
                if (m_device.fault == VirtualFault::DropBuffers &&
                    m_nHandedBack % std::max(1u, m_device.failAfter) == 0)
                    m_nToDrop = header->dwBufferLength;
            }
        }
        // Sound left out (from before Start) or lost still moves the signal on.
        m_nCaptured += n;
        m_window.Advance(static_cast<std::size_t>(n));
        if (FailsNow())
            return;
    }
    if (m_window.Reached())
        EndCapture();
}

void VirtualStream::EndCapture()
{
    m_bStarted = false;
    m_bFinished = true;
    m_pendingStart.reset();
    m_pendingStop.reset();
    while (!m_queue.empty()) {
        WAVEHDR* header = m_queue.front();
        m_queue.pop_front();
        HandBack(header);
    }
}

void VirtualStream::Play(std::uint64_t bytes)
{
    // Frames with nothing queued are an underrun: silence that nobody keeps.
    while (bytes > 0 && !m_queue.empty()) {
        WAVEHDR* header = m_queue.front();
        const std::uint32_t n =
            static_cast<std::uint32_t>(std::min<std::uint64_t>(bytes, header->dwBufferLength - m_nPlayedInFront));
        m_pState->played.append(header->lpData + m_nPlayedInFront, n);
        m_nPlayedInFront += n;
        bytes -= n;
        if (m_nPlayedInFront == header->dwBufferLength) {
            m_queue.pop_front();
            m_nPlayedInFront = 0;
            HandBack(header);
            ++m_nHandedBack;
            if (FailsNow())
                return;
        }
    }
}

void VirtualStream::HandBack(WAVEHDR* header)
{
    header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
    Post(m_dir == Direction::Capture ? MM_WIM_DATA : MM_WOM_DONE, header);
}

bool VirtualStream::FailsNow()
{
    if (m_bFailed)
        return true;
    if (m_device.fault != VirtualFault::FailMidStream || m_nHandedBack < m_device.failAfter)
        return false;
    Fail(VIRTUAL_STREAM_FAILED);
    return true;
}

bool VirtualStream::IsQueued(const WAVEHDR* header) const
{
    return std::find(m_queue.begin(), m_queue.end(), header) != m_queue.end();
}

bool VirtualStream::CountedCallFails(VirtualFault fault, unsigned& calls) const
{
    if (m_device.fault != fault)
        return false;
    if (calls >= m_device.failAfter)
        return true;
    ++calls;
    return false;
}

void VirtualStream::Post(std::uint32_t message, WAVEHDR* header, MMRESULT error)
{
    // A target deleted while the stream is open simply hears nothing more.
    if (m_pTarget)
        QCoreApplication::postEvent(m_pTarget, new WaveEvent(message, m_nId, header, error));
}

} // namespace platform

// PulseStream: playback, which keeps the server fed from the queued buffers and holds the
// last one back until the server has played everything.

#include "platform/audio/pulse/PulseStream.h"

#include <algorithm>
#include <cstring>

namespace platform {

void PulseStream::FeedServer()
{
    if (!Live())
        return;
    if (m_pDrain && m_queue.size() > 1) {
        // More sound came: the buffer held for the end need not wait for it any more.
        CancelDrain();
        WAVEHDR* held = m_queue.front();
        m_queue.pop_front();
        m_nFrontSent = 0;
        HandBack(held);
    }
    const std::size_t frame = m_format.nBlockAlign;
    for (;;) {
        std::size_t pending = 0;
        for (const WAVEHDR* header : m_queue)
            pending += header->dwBufferLength;
        pending -= m_nFrontSent;
        const std::size_t writable = pa_stream_writable_size(m_pStream);
        if (writable == static_cast<std::size_t>(-1))
            return;
        // Whole frames only: a buffer's odd tail waits for the next buffer's first bytes.
        std::size_t want = std::min(writable, pending);
        want -= want % frame;
        if (want == 0)
            return;

        void* data = nullptr;
        std::size_t size = want;
        if (pa_stream_begin_write(m_pStream, &data, &size) < 0 || !data)
            return;
        size = std::min(size, want);
        size -= size % frame;
        if (size == 0) {
            pa_stream_cancel_write(m_pStream);
            return;
        }

        // Copy first, and let buffers go only once the server has taken their bytes.
        std::size_t copied = 0;
        std::size_t index = 0;
        std::size_t offset = m_nFrontSent;
        while (copied < size) {
            const WAVEHDR* header = m_queue[index];
            const std::size_t take = std::min<std::size_t>(header->dwBufferLength - offset, size - copied);
            std::memcpy(static_cast<char*>(data) + copied, header->lpData + offset, take);
            copied += take;
            offset += take;
            if (offset == header->dwBufferLength) {
                ++index;
                offset = 0;
            }
        }
        if (pa_stream_write(m_pStream, data, size, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        // The last buffer queued goes back only once the server has played all it holds:
        // when no buffer is left with the stream, the sound has been heard.
        const bool allSent = index == m_queue.size();
        for (std::size_t n = allSent ? index - 1 : index; n > 0; --n) {
            WAVEHDR* header = m_queue.front();
            m_queue.pop_front();
            HandBack(header);
        }
        if (allSent) {
            m_nFrontSent = m_queue.front()->dwBufferLength;
            Drain();
            return;
        }
        m_nFrontSent = offset;
    }
}

void PulseStream::Drain()
{
    if (m_pDrain)
        return;
    m_pDrain = pa_stream_drain(
        m_pStream, [](pa_stream*, int, void* self) { static_cast<PulseStream*>(self)->OnDrained(); }, this);
    if (!m_pDrain)
        OnDrained();
}

void PulseStream::OnDrained()
{
    if (m_pDrain) {
        pa_operation_unref(m_pDrain);
        m_pDrain = nullptr;
    }
    if (m_queue.size() == 1 && m_nFrontSent == m_queue.front()->dwBufferLength) {
        WAVEHDR* last = m_queue.front();
        m_queue.pop_front();
        m_nFrontSent = 0;
        HandBack(last);
    }
}

void PulseStream::CancelDrain()
{
    if (!m_pDrain)
        return;
    pa_operation_cancel(m_pDrain);
    pa_operation_unref(m_pDrain);
    m_pDrain = nullptr;
}

} // namespace platform

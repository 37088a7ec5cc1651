#include "engine/take/SilenceGate.h"

#include <algorithm>

void SilenceGate::Start(std::uint64_t afterFrames, std::uint64_t preRollFrames)
{
    *this = SilenceGate{};
    m_nAfter = afterFrames;
    m_nPreRoll = preRollFrames;
}

// Only the first and the last loud frame of a buffer are known: the sound between them
// counts as one. A quiet gap inside one buffer can outlast "after" only when a buffer is
// longer than "after", a few milliseconds at the slowest format.
int SilenceGate::Feed(std::uint32_t frames, std::optional<Loud> loud, Span spans[2])
{
    const std::uint64_t start = m_nPosition;
    const std::uint64_t end = start + frames;
    int count = 0;
    // The stretch being written runs out before the input rises again (or before the
    // buffer ends, when it does not rise at all).
    if (m_bOpen && m_nCloseAt <= (loud ? start + loud->first : end)) {
        spans[count++] = Span{start, m_nCloseAt, false, true};
        m_bOpen = false;
        m_nWritten = m_nCloseAt;
    }
    if (loud) {
        const bool begins = !m_bOpen;
        std::uint64_t from = start;
        if (begins) {
            // The pre-roll reaches back, but not past the sound already written, nor past
            // what the pre-roll holds.
            const std::uint64_t rose = start + loud->first;
            from = std::max({rose > m_nPreRoll ? rose - m_nPreRoll : 0, m_nWritten, start - m_nAvailable});
        }
        m_nCloseAt = start + loud->last + 1 + m_nAfter;
        const bool ends = m_nCloseAt <= end;
        spans[count++] = Span{from, ends ? m_nCloseAt : end, begins, ends};
        m_bOpen = !ends;
        if (ends)
            m_nWritten = m_nCloseAt;
    } else if (m_bOpen) {
        spans[count++] = Span{start, end, false, false};
    }
    m_nPosition = end;
    m_nAvailable = std::min(m_nPreRoll, m_nAvailable + frames);
    return count;
}

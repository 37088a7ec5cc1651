#include "platform/audio/CaptureWindow.h"

#include <algorithm>

namespace platform {

void CaptureWindow::Restart()
{
    m_start.reset();
    m_stop.reset();
    m_bStopAwaited = false;
}

void CaptureWindow::SetStart(std::uint64_t position)
{
    m_start = std::max(position, m_nPosition);
}

void CaptureWindow::SetStop(std::uint64_t position)
{
    m_stop = m_start ? std::max(position, *m_start) : position;
    m_bStopAwaited = false;
}

CaptureWindow::Share CaptureWindow::Next(std::size_t available) const
{
    Share share;
    if (!m_start)
        return share;
    std::uint64_t at = m_nPosition;
    if (at < *m_start) {
        share.skip = static_cast<std::size_t>(std::min<std::uint64_t>(available, *m_start - at));
        at += share.skip;
    }
    std::uint64_t keep = available - share.skip;
    if (m_stop)
        keep = at < *m_stop ? std::min(keep, *m_stop - at) : 0;
    else if (m_bStopAwaited)
        keep = 0;
    share.keep = static_cast<std::size_t>(keep);
    return share;
}

} // namespace platform

#include "engine/view/DisplayPace.h"

#include <algorithm>

void DisplayPace::Restart(std::uint32_t rate, std::uint32_t lagFrames)
{
    *this = DisplayPace();
    m_nRate = rate;
    m_nFixedLag = lagFrames;
}

std::uint64_t DisplayPace::AllowedLag() const
{
    if (m_nFixedLag > 0)
        return m_nFixedLag;
    return *std::max_element(m_arrivals.begin(), m_arrivals.end());
}

std::uint64_t DisplayPace::Advance(std::uint64_t written, std::int64_t nowMs)
{
    const std::int64_t elapsedMs = m_bStarted ? std::max<std::int64_t>(0, nowMs - m_lastMs) : 0;
    m_bStarted = true;
    m_lastMs = nowMs;
    if (written > m_nSeen) {
        m_arrivals[m_nNext] = written - m_nSeen;
        m_nNext = (m_nNext + 1) % m_arrivals.size();
    }
    m_nSeen = written;
    const std::uint64_t walked = m_nShown + static_cast<std::uint64_t>(elapsedMs) * m_nRate / 1000;
    const std::uint64_t lag = AllowedLag();
    const std::uint64_t earliest = written > lag ? written - lag : 0;
    m_nShown = std::min(written, std::max(walked, earliest));
    return m_nShown;
}

std::uint64_t DisplayPace::CatchUp(std::uint64_t written, std::int64_t nowMs)
{
    m_nShown = m_nSeen = written;
    m_lastMs = nowMs;
    m_bStarted = true;
    return m_nShown;
}

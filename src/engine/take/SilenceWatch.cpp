#include "engine/take/SilenceWatch.h"

#include "engine/LiveHistory.h"

#include <cmath>
#include <utility>

std::uint32_t SilenceWatch::QuietLevel()
{
    static const auto level =
        static_cast<std::uint32_t>(std::floor(LiveHistory::FULL_SCALE * std::pow(10.0, -60.0 / 20)));
    return level;
}

void SilenceWatch::Start(std::int64_t seconds)
{
    m_nSeconds = seconds > 0 ? seconds : 0;
    m_quietSince.reset();
    m_lastWarning.reset();
    m_bTold = false;
}

SilenceWatch::Change SilenceWatch::Feed(std::uint32_t peak, std::int64_t now)
{
    if (m_nSeconds == 0)
        return Change::None;
    if (peak > QuietLevel()) {
        m_quietSince.reset();
        // Only a silence that was told is told over.
        return std::exchange(m_bTold, false) ? Change::SoundBack : Change::None;
    }
    if (!m_quietSince)
        m_quietSince = now;
    if (m_bTold || now - *m_quietSince < m_nSeconds)
        return Change::None;
    // A silence that comes too soon after the last one told waits for the hour to be up.
    if (m_lastWarning && now - *m_lastWarning < WARN_EVERY)
        return Change::None;
    m_bTold = true;
    m_lastWarning = now;
    return Change::Silent;
}

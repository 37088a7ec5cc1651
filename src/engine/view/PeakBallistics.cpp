#include "engine/view/PeakBallistics.h"

#include <algorithm>
#include <cmath>

double PeakBallistics::Decibels(double magnitude, double fullScale)
{
    if (!(magnitude > 0.0))
        return FLOOR_DB;
    return std::max(FLOOR_DB, 20.0 * std::log10(magnitude / fullScale));
}

void PeakBallistics::Reset()
{
    *this = PeakBallistics();
}

void PeakBallistics::Show(double peakDb, std::int64_t nowMs)
{
    const double elapsed = m_bStarted ? static_cast<double>(std::max<std::int64_t>(0, nowMs - m_lastMs)) : 0.0;
    m_bStarted = true;
    m_lastMs = nowMs;
    const double fallen = m_level - FALL_DB_PER_SECOND * elapsed / 1000.0;
    m_level = std::max({peakDb, fallen, FLOOR_DB});
    if (m_level >= m_hold) {
        m_hold = m_level;
        m_holdUntilMs = nowMs + HOLD_MS;
    } else if (nowMs >= m_holdUntilMs) {
        m_hold = m_level;
    }
}

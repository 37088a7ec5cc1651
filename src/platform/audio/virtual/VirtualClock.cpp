#include "platform/audio/virtual/VirtualClock.h"

#include <cmath>
#include <utility>

namespace platform {

VirtualClock::VirtualClock()
{
    m_elapsed.start();
    m_nRealBase = Real();
}

void VirtualClock::SetSource(Source source)
{
    Rebase();
    m_source = std::move(source);
    m_nRealBase = Real();
}

void VirtualClock::SetSpeed(double speed)
{
    Rebase();
    m_speed = speed > 0.0 && std::isfinite(speed) ? speed : 0.0;
}

void VirtualClock::Stop()
{
    m_nVirtualBase = At(m_nLastReal);
    m_speed = 0.0;
    m_source = nullptr;
}

std::int64_t VirtualClock::Now() const
{
    return m_speed == 0.0 ? m_nVirtualBase : At(Real());
}

std::int64_t VirtualClock::At(std::int64_t real) const
{
    return m_nVirtualBase + std::llround(static_cast<double>(real - m_nRealBase) * m_speed);
}

std::uint64_t VirtualClock::FramesIn(std::int64_t ns, unsigned rate)
{
    if (ns <= 0)
        return 0;
    constexpr std::uint64_t NS_PER_SECOND = 1'000'000'000;
    const auto span = static_cast<std::uint64_t>(ns);
    return span / NS_PER_SECOND * rate + span % NS_PER_SECOND * rate / NS_PER_SECOND;
}

std::int64_t VirtualClock::Real() const
{
    m_nLastReal = m_source ? m_source() : m_elapsed.nsecsElapsed();
    return m_nLastReal;
}

void VirtualClock::Rebase()
{
    // One reading for both ends, so no time falls between the old segment and the new.
    const std::int64_t real = Real();
    m_nVirtualBase = At(real);
    m_nRealBase = real;
}

} // namespace platform

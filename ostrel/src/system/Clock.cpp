#include "ostrel/system/Clock.h"

#include "system/Platform.h"

namespace ostrel
{

Clock::Clock() : m_previous_time(getCurrentMsec()) {}

std::int64_t Clock::delta()
{
    const std::int64_t now = getCurrentMsec();
    const std::int64_t elapsed = now - m_previous_time;
    m_previous_time = now;
    return elapsed;
}

std::int64_t Clock::split() const
{
    return getCurrentMsec() - m_previous_time;
}

std::int64_t Clock::getCurrentMsec() const
{
    return monotonicMicroseconds();
}

} // namespace ostrel

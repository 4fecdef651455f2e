#pragma once

#include <cstdint>

namespace ostrel
{

// A stop-watch. Every result is in microseconds.
class Clock
{
public:
    Clock();

    // Time since construction or the last delta(); restarts the measurement.
    std::int64_t delta();
    // Time since construction or the last delta(); restarts nothing.
    std::int64_t split() const;
    // The current reading (microseconds, despite the name).
    std::int64_t getCurrentMsec() const;

private:
    std::int64_t m_previous_time;
};

} // namespace ostrel

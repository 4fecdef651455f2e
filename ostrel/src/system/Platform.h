#pragma once

#include <cstdint>

// The few operating-system services the engine needs, kept in one place.
namespace ostrel
{

// Microseconds from a monotonic clock: never runs backwards, not tied to the calendar.
std::int64_t monotonicMicroseconds();
// Sleeps the given milliseconds; 0 or less only yields the processor.
void sleepMilliseconds(std::int64_t milliseconds);
// Requests and releases a fine system timer resolution. Nothing to do on this platform:
// the monotonic sleep is already accurate to well under a millisecond.
void beginTimerResolution();
void endTimerResolution();

} // namespace ostrel

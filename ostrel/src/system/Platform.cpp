#include "system/Platform.h"

#include <chrono>
#include <thread>

namespace ostrel
{

std::int64_t monotonicMicroseconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::microseconds>(now).count();
}

void sleepMilliseconds(std::int64_t milliseconds)
{
    if (milliseconds > 0)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    else
    {
        std::this_thread::yield();
    }
}

void beginTimerResolution() {}

void endTimerResolution() {}

} // namespace ostrel

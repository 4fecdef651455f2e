#pragma once

#include <chrono>
#include <thread>

namespace testing_support
{

// Checks the condition every 10 ms until it holds or the bound has passed; whether it held.
// Bounds are generous: they only stop a test that would otherwise wait forever, and a
// machine under load may need many times what an idle one does.
template <typename Condition>
bool waitUntil(std::chrono::steady_clock::duration bound, Condition condition)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!condition())
    {
        if (std::chrono::steady_clock::now() >= deadline)
        {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace testing_support

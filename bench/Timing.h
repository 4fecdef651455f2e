#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// Collects durations in milliseconds and prints their median and worst.
class Timings
{
public:
    void add(double milliseconds) { m_samples.push_back(milliseconds); }

    double median() const
    {
        std::vector<double> sorted = m_samples;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0.0 : sorted[sorted.size() / 2];
    }

    double worst() const { return m_samples.empty() ? 0.0 : *std::max_element(m_samples.begin(), m_samples.end()); }

    void print(const char* name, const char* unit) const
    {
        std::printf("%-28s median %7.2f ms  worst %7.2f ms  (%zu %s)\n", name, median(), worst(), m_samples.size(),
                    unit);
    }

private:
    std::vector<double> m_samples;
};

// Milliseconds between two steady-clock readings.
inline double millisecondsBetween(std::chrono::steady_clock::time_point start,
                                  std::chrono::steady_clock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

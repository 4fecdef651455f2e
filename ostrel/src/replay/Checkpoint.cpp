#include "ostrel/replay/Checkpoint.h"

#include "ostrel/graphics/DisplayManager.h"

#include <cstdint>
#include <cstdio>

namespace ostrel
{

std::string screenHash()
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char ch : DisplayManager::getInstance().shownText())
    {
        hash = (hash ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

RecordingValues takeCheckpoint(const Fingerprint& fingerprint)
{
    RecordingValues values = fingerprint ? fingerprint() : RecordingValues();
    values.emplace_back("screen", screenHash());
    return values;
}

std::string describeMismatch(const RecordingValues& recorded, const RecordingValues& now)
{
    std::string differences;
    for (const auto& expected : recorded)
    {
        std::string actual = "(none)";
        for (const auto& value : now)
        {
            if (value.first == expected.first)
            {
                actual = value.second;
            }
        }
        if (actual != expected.second)
        {
            differences += (differences.empty() ? "" : ", ") + expected.first + " " + actual + " (recorded " +
                           expected.second + ")";
        }
    }
    return differences;
}

} // namespace ostrel

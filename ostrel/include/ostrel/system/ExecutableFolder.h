#pragma once

#include <filesystem>

namespace ostrel
{

// The folder that holds the running program's executable (read from /proc/self/exe), so
// that a game finds the data installed beside it from any current folder. Empty when the
// system does not say.
std::filesystem::path executableFolder();

} // namespace ostrel

#pragma once

#include <filesystem>
#include <string>

namespace ostrel
{

// The folders where a game keeps what belongs to its player, after the XDG base directory
// rules: $XDG_CONFIG_HOME/<app> for settings and $XDG_STATE_HOME/<app> for state such as
// records, falling back to ~/.config/<app> and ~/.local/state/<app> when the variable is
// unset, empty or not an absolute path. Nothing is created. Empty when there is no home
// folder to fall back on.
std::filesystem::path userConfigFolder(const std::string& app);
std::filesystem::path userStateFolder(const std::string& app);

} // namespace ostrel

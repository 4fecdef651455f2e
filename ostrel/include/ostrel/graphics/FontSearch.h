#pragma once

#include <string>
#include <vector>

namespace ostrel
{

// Where the window looks for its font, in order: the font the game named
// (DisplayManager::setFontFile(), left out when empty), then FONT_FILE_DEFAULT in the
// current folder, then the font installed with the engine.
std::vector<std::string> fontSearchPath(const std::string& named);
// The first file of fontSearchPath() that exists; empty when none does.
std::string findFontFile(const std::string& named);

} // namespace ostrel

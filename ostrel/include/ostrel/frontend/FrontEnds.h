#pragma once

#include "ostrel/graphics/FrontEnd.h"

#include <memory>
#include <string>

namespace ostrel
{

// The front ends this build of the engine has, by name, separated by '|':
// "window|terminal|headless" with SFML, "web|terminal|headless" built with Emscripten,
// "terminal|headless" otherwise.
std::string frontEndNames();
// A new front end of that name; null for a name this build does not have.
std::unique_ptr<FrontEnd> makeFrontEnd(const std::string& name);
// Whether the program can end itself: false in a browser's page, whose tab only the player closes.
bool programCanQuit();

} // namespace ostrel

#include "ostrel/frontend/FrontEnds.h"

#include "ostrel/frontend/HeadlessFrontEnd.h"
#include "ostrel/frontend/TerminalFrontEnd.h"

#if OSTREL_WITH_SFML
#include "ostrel/frontend/WindowFrontEnd.h"
#endif
#ifdef __EMSCRIPTEN__
#include "ostrel/frontend/WebFrontEnd.h"
#endif

namespace ostrel
{

std::string frontEndNames()
{
#if OSTREL_WITH_SFML
    return "window|terminal|headless";
#elif defined(__EMSCRIPTEN__)
    return "web|terminal|headless";
#else
    return "terminal|headless";
#endif
}

std::unique_ptr<FrontEnd> makeFrontEnd(const std::string& name)
{
#if OSTREL_WITH_SFML
    if (name == "window")
    {
        return std::make_unique<WindowFrontEnd>();
    }
#endif
#ifdef __EMSCRIPTEN__
    if (name == "web")
    {
        return std::make_unique<WebFrontEnd>();
    }
#endif
    if (name == "terminal")
    {
        return std::make_unique<TerminalFrontEnd>();
    }
    if (name == "headless")
    {
        return std::make_unique<HeadlessFrontEnd>();
    }
    return nullptr;
}

bool programCanQuit()
{
#ifdef __EMSCRIPTEN__
    return !WebFrontEnd::hasPage();
#else
    return true;
#endif
}

} // namespace ostrel

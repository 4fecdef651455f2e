#include "ostrel/frontend/FrontEnds.h"

#include "ostrel/frontend/HeadlessFrontEnd.h"
#include "ostrel/frontend/TerminalFrontEnd.h"

#if OSTREL_WITH_SFML
#include "ostrel/frontend/WindowFrontEnd.h"
#endif

namespace ostrel
{

std::string frontEndNames()
{
#if OSTREL_WITH_SFML
    return "window|terminal|headless";
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

} // namespace ostrel

#include "frontend/XDisplay.h"

#include "system/SharedLibrary.h"

namespace ostrel
{

bool xDisplayOpens()
{
    return defaultResourceOpens<int>("libX11.so.6", "XOpenDisplay", "XCloseDisplay");
}

} // namespace ostrel

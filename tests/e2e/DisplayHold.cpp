#include "DisplayHold.h"

#include <X11/Xlib.h>

DisplayHold::DisplayHold() : m_display(XOpenDisplay(nullptr)) {}

DisplayHold::~DisplayHold()
{
    if (m_display)
    {
        XCloseDisplay(m_display);
    }
}

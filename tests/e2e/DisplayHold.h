#pragma once

#include <X11/Xlib.h>

// A connection to the test's display, held for the test's whole life: when its last client
// leaves, the server resets, and a game started during the reset finds no display.
class DisplayHold
{
public:
    DisplayHold() : m_display(XOpenDisplay(nullptr)) {}
    ~DisplayHold()
    {
        if (m_display)
        {
            XCloseDisplay(m_display);
        }
    }
    DisplayHold(const DisplayHold&) = delete;
    DisplayHold& operator=(const DisplayHold&) = delete;

private:
    Display* m_display;
};

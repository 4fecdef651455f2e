#pragma once

// Xlib's own name for a display connection; Xlib.h itself stays out of the tests, whose
// names its macros would clash with.
struct _XDisplay;

// A connection to the test's display, held for the test's whole life: when its last client
// leaves, the server resets, and a game started during the reset finds no display.
class DisplayHold
{
public:
    DisplayHold();
    ~DisplayHold();
    DisplayHold(const DisplayHold&) = delete;
    DisplayHold& operator=(const DisplayHold&) = delete;

private:
    _XDisplay* m_display;
};

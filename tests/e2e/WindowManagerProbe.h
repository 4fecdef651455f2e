#pragma once

#include <string>

// What a window manager would see of a window and send it, through Xlib on the display in
// $DISPLAY; `window` is the id xdotool prints.

// Sends the window the window manager's close request (a WM_DELETE_WINDOW client message), as
// a close button does: under Xvfb there is no window manager to send it. False if the
// display cannot be opened or the id cannot be read.
bool sendCloseRequest(const std::string& window);

// The width and height of the window's icon: the first in its _NET_WM_ICON, else its WM_HINTS
// icon pixmap; 0 x 0 without one.
struct IconSize
{
    long width = 0;
    long height = 0;
};
IconSize iconSize(const std::string& window);

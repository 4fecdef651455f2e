#include "WindowManagerProbe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <memory>

namespace
{

struct DisplayCloser
{
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

// The window id as a number; false if it is not one.
bool windowId(const std::string& window, Window& id)
{
    char* end = nullptr;
    id = std::strtoul(window.c_str(), &end, 10);
    return !window.empty() && *end == '\0';
}

} // namespace

bool sendCloseRequest(const std::string& window)
{
    Window id = 0;
    const DisplayHandle display(XOpenDisplay(nullptr));
    if (!windowId(window, id) || !display)
    {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id;
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display.get(), id, False, NoEventMask, &event);
    XFlush(display.get());
    return sent != 0;
}

IconSize iconSize(const std::string& window)
{
    IconSize size;
    Window id = 0;
    const DisplayHandle display(XOpenDisplay(nullptr));
    if (!windowId(window, id) || !display)
    {
        return size;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom icon = XInternAtom(display.get(), "_NET_WM_ICON", False);
    // The first two of the property's longs: the first icon's width and height.
    if (XGetWindowProperty(display.get(), id, icon, 0, 2, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data && format == 32 && count == 2)
    {
        const auto* values = reinterpret_cast<const long*>(data);
        size.width = values[0];
        size.height = values[1];
    }
    if (data)
    {
        XFree(data);
    }
    if (size.width != 0)
    {
        return size;
    }
    // Without _NET_WM_ICON (SFML 3 sets only this), the size of the WM_HINTS icon pixmap.
    if (XWMHints* hints = XGetWMHints(display.get(), id))
    {
        if ((hints->flags & IconPixmapHint) != 0)
        {
            Window root = 0;
            int x = 0;
            int y = 0;
            unsigned width = 0;
            unsigned height = 0;
            unsigned border = 0;
            unsigned depth = 0;
            if (XGetGeometry(display.get(), hints->icon_pixmap, &root, &x, &y, &width, &height, &border, &depth))
            {
                size.width = width;
                size.height = height;
            }
        }
        XFree(hints);
    }
    return size;
}

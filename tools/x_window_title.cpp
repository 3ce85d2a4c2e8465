#include "x_window_title.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

std::string xWindowTitle(unsigned long window)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return {};
    std::string title;
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count, &remaining,
                           &data) == Success &&
        data) {
        if (type == utf8 && format == 8)
            title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    XCloseDisplay(display);
    return title;
}

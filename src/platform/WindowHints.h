#pragma once

#include <QtGui/qwindowdefs.h>

// Requests to the X11 window manager about one of our windows. Off X11 they do nothing.
class WindowHints {
public:
    // Sticky on every virtual desktop, and kept out of task bars and pagers.
    static void joinAllDesktops(WId window);
};

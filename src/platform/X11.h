#pragma once

#include <xcb/xcb.h>

// The application's X connection, or nullptr when Qt does not run on X11 (offscreen tests,
// native Wayland).
class X11 {
public:
    static xcb_connection_t *connection();
    static xcb_window_t rootWindow();
    static xcb_atom_t atom(const char *name);
    // Whether an EWMH window manager runs (it names itself on the root window).
    static bool windowManagerRunning();
};

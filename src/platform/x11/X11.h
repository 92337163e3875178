#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

// An xcb reply, error or event: xcb hands each one over to be freed with free().
struct XcbFree {
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, XcbFree>;

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

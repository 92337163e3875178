#pragma once

#include <QtGui/qwindowdefs.h>

class QRect;
class QWidget;

// Requests to the X11 window manager about one of our windows. Off X11 they do nothing.
class WindowHints {
public:
    // Sticky on every virtual desktop, and kept out of task bars and pagers.
    static void joinAllDesktops(WId window);
    // Gives a window a whole screen's geometry, over the other windows. A tiling Wayland
    // compositor (sway) would tile it beside them, and floats only a window of fixed size: so in
    // a Wayland session the window takes the screen's size and no other.
    static void coverScreen(QWidget *window, const QRect &geometry);
    // Whether window managers may give the window the keyboard: the input hint, and the
    // WM_TAKE_FOCUS protocol, which Qt always offers and which makes sway, GNOME and KWin focus
    // a window they map or that is clicked, whatever its input hint says.
    static void acceptFocus(WId window, bool accept);
    // A window no window manager or compositor ever focuses: no focus, and a notification's
    // type (sway focuses an unmanaged XWayland window of an ordinary type when it maps). Call
    // before the window maps.
    static void neverFocus(WId window);
};

#pragma once

#include <QString>

// What kind of desktop session Quillory runs in, read once before the application object
// exists (the platform choice below changes the environment Qt reads).
class Session {
public:
    // A Wayland session: WAYLAND_DISPLAY is set. Quillory still talks X11 there, through
    // XWayland, but X key grabs and X screen grabs only see X windows.
    static bool isWayland();

    // In a Wayland session, Qt's xcb platform (XWayland) unless the user chose a platform
    // with QT_QPA_PLATFORM: the overlay has to be placed on a given screen, stay above other
    // windows and read the pointer, which a plain Wayland client cannot. Call before the
    // application object is made. Returns the line to log about the choice.
    static QString choosePlatform();
};

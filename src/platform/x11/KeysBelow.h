#pragma once

#include <QtGlobal>

// Keys for the program under the overlay: a key press and its release, sent to the top-level
// window under the pointer that is not Quillory's own (the slides under the ink), as the X
// server delivers typed keys. Most programs take them as typed (GTK, Qt, LibreOffice, the
// browsers); a few refuse keys that were sent rather than typed (xterm by default).
class KeysBelow {
public:
    // `keycode` is the X server's; `state` its modifier mask (Shift 1, Control 4, Mod1 8).
    // False when no such window is there, or no X server (the native windows of a Wayland
    // session are out of an X client's reach).
    static bool send(quint8 keycode, quint16 state);
};

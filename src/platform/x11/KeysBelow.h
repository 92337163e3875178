#pragma once

#include <QtCore/qnamespace.h>

// Keys for the program under the overlay: a key press and its release, sent to the top-level
// window under the pointer that is not Quillory's own (the slides under the ink), as the X
// server delivers typed keys. Most programs take them as typed (GTK, Qt, LibreOffice, the
// browsers); a few refuse keys that were sent rather than typed (xterm by default).
class KeysBelow {
public:
    // `keycode` is the X server's, as Qt's key events carry it, with Shift, Ctrl and Alt of
    // `modifiers`. False when it is no X key code, no such window is there, or there is no X
    // server (the native windows of a Wayland session are out of an X client's reach).
    static bool send(quint32 keycode, Qt::KeyboardModifiers modifiers);
};

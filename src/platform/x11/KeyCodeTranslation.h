#pragma once

#include "core/Key.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// Keys are physical positions. The key table names them by the virtual key codes of the ANSI
// key positions; X11 reports the position as a keycode (evdev code + 8). This translates
// between the two through the table, so it works on any layout: Shift+1 on a German or French
// keyboard still arrives as the key of "1".
class KeyCodeTranslation {
public:
    static std::optional<quint32> virtualKeyCode(quint32 x11Keycode);
    static std::optional<quint32> x11Keycode(quint32 virtualKeyCode);
    // The character the keyboard layout in use puts on the key ("A" for the key of "q" on a
    // French layout), upper case; empty off X11 or for a key that writes nothing.
    static QString layoutText(quint32 virtualKeyCode);
    // How the key reads on the keyboard in use: its layout character, else its usual label.
    static QString keyLabel(Key key);
    // The XKB keysym name of the key's first level in the layout in use ("a", "F5", "Return",
    // "KP_Add"), as desktop shortcut services name keys; the US layout's when Qt is not on X11.
    // Empty for a code no key has.
    static QString keysymName(quint32 virtualKeyCode);
};

#pragma once

#include <QtGlobal>

#include <optional>

// Keys are physical positions. The model's key table uses the ANSI virtual key codes of
// the reference keyboard; X11 reports the position as a keycode (evdev code + 8). This
// translates between the two, so the table works on any layout: Shift+1 on a German or
// French keyboard still arrives as the key of "1".
//
// Modifier keys follow the desktop convention: Ctrl plays Command, Super plays Control,
// Alt plays Option.
class KeyCodeTranslation {
public:
    static std::optional<quint32> virtualKeyCode(quint32 x11Keycode);
    static std::optional<quint32> x11Keycode(quint32 virtualKeyCode);
};

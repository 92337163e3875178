#pragma once

#include "platform/ModifierFlags.h"

#include <QString>

#include <optional>

class QKeyEvent;

// A key press as the drawing model and the application object see it: the physical key
// (virtual key code), the characters the key gives without modifiers, the modifier flags
// and whether the press is an auto-repeat.
struct KeyEvent {
    std::optional<quint32> keyCode;
    QString charactersIgnoringModifiers;
    ModifierFlags modifierFlags = 0;
    bool isARepeat = false;

    static KeyEvent fromQt(const QKeyEvent &event);
};

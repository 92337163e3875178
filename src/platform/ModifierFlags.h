#pragma once

#include <Qt>
#include <QtGlobal>

// The modifier flags of a key event, in the reference host's bit values. Physical keys map
// the desktop way: Ctrl is Command, Super (Meta) is Control, Alt is Option.
enum ModifierFlag : quint64 {
    ModifierShift = 0x20000,
    ModifierControl = 0x40000,
    ModifierOption = 0x80000,
    ModifierCommand = 0x100000,
};
using ModifierFlags = quint64;

constexpr ModifierFlags kDeviceIndependentModifiers =
    ModifierShift | ModifierControl | ModifierOption | ModifierCommand;

ModifierFlags modifierFlagsFromQt(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers qtModifiersFromFlags(ModifierFlags flags);

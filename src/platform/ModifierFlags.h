#pragma once

#include <Qt>
#include <QtGlobal>

// The modifier flags of a key event, one bit per modifier. Physical keys map the desktop way:
// Ctrl is Command, Super (Meta) is Control, Alt is Option.
enum ModifierFlag : quint64 {
    ModifierShift = 0x20000,
    ModifierControl = 0x40000,
    ModifierOption = 0x80000,
    ModifierCommand = 0x100000,
};
using ModifierFlags = quint64;

constexpr ModifierFlags kDeviceIndependentModifiers =
    ModifierShift | ModifierControl | ModifierOption | ModifierCommand;

// The modifier mask of the hotkey service, in the Carbon bit values.
// Only these four bits are produced or looked at.
enum CarbonModifier : quint32 {
    CarbonCommand = 0x100,
    CarbonShift = 0x200,
    CarbonOption = 0x800,
    CarbonControl = 0x1000,
};

// The Carbon mask of the four modifiers present; every other flag (Caps Lock, Function,
// device-dependent bits) is ignored.
quint32 carbonFlags(ModifierFlags flags);
// The modifier flags of a Carbon mask; other bits are ignored.
ModifierFlags modifierFlagsFromCarbon(quint32 carbonModifiers);

ModifierFlags modifierFlagsFromQt(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers qtModifiersFromFlags(ModifierFlags flags);

#pragma once

#include "platform/ModifierFlags.h"

#include <QString>
#include <QtGlobal>

// The modifier mask of the hotkey service, in the reference platform's Carbon bit values.
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

// The glyphs of the modifiers present, always in the order ⌃ ⌥ ⇧ ⌘; empty for none.
QString modifierDescription(ModifierFlags flags);

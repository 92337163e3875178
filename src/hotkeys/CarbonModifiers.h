#pragma once

#include "platform/ModifierFlags.h"

#include <QString>
#include <QtGlobal>

// The Carbon modifier bits (CarbonCommand …) and modifierFlagsFromCarbon live with the host's
// modifier flags.

// The Carbon mask of the four modifiers present; every other flag (Caps Lock, Function,
// device-dependent bits) is ignored.
quint32 carbonFlags(ModifierFlags flags);

// The glyphs of the modifiers present, always in the order ⌃ ⌥ ⇧ ⌘; empty for none.
QString modifierDescription(ModifierFlags flags);

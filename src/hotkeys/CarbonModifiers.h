#pragma once

#include "platform/ModifierFlags.h"

#include <QString>
#include <QtGlobal>

// The Carbon modifier bits (CarbonCommand …) and the conversions both ways (carbonFlags,
// modifierFlagsFromCarbon) live with the host's modifier flags.

// The glyphs of the modifiers present, always in the order ⌃ ⌥ ⇧ ⌘; empty for none.
QString modifierDescription(ModifierFlags flags);

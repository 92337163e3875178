#include "platform/ModifierFlags.h"

#include <utility>

ModifierFlags modifierFlagsFromQt(Qt::KeyboardModifiers modifiers) {
    ModifierFlags flags = 0;
    if (modifiers & Qt::ShiftModifier)
        flags |= ModifierShift;
    if (modifiers & Qt::ControlModifier)
        flags |= ModifierCommand;
    if (modifiers & Qt::MetaModifier)
        flags |= ModifierControl;
    if (modifiers & Qt::AltModifier)
        flags |= ModifierOption;
    return flags;
}

Qt::KeyboardModifiers qtModifiersFromFlags(ModifierFlags flags) {
    Qt::KeyboardModifiers modifiers;
    if (flags & ModifierShift)
        modifiers |= Qt::ShiftModifier;
    if (flags & ModifierCommand)
        modifiers |= Qt::ControlModifier;
    if (flags & ModifierControl)
        modifiers |= Qt::MetaModifier;
    if (flags & ModifierOption)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

namespace {
// Each modifier flag with its Carbon bit.
constexpr std::pair<ModifierFlag, CarbonModifier> kCarbonModifierPairs[] = {
    {ModifierCommand, CarbonCommand},
    {ModifierShift, CarbonShift},
    {ModifierOption, CarbonOption},
    {ModifierControl, CarbonControl},
};
} // namespace

quint32 carbonFlags(ModifierFlags flags) {
    quint32 mask = 0;
    for (const auto &[flag, carbon] : kCarbonModifierPairs) {
        if (flags & flag)
            mask |= carbon;
    }
    return mask;
}

ModifierFlags modifierFlagsFromCarbon(quint32 carbonModifiers) {
    ModifierFlags flags = 0;
    for (const auto &[flag, carbon] : kCarbonModifierPairs) {
        if (carbonModifiers & carbon)
            flags |= flag;
    }
    return flags;
}

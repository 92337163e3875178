#include "hotkeys/CarbonModifiers.h"

#include <utility>

quint32 carbonFlags(ModifierFlags flags) {
    quint32 mask = 0;
    for (const auto &[flag, carbon] : kCarbonModifierPairs) {
        if (flags & flag)
            mask |= carbon;
    }
    return mask;
}

QString modifierDescription(ModifierFlags flags) {
    static constexpr std::pair<ModifierFlag, char16_t> glyphs[] = {
        {ModifierControl, u'\u2303'},
        {ModifierOption, u'\u2325'},
        {ModifierShift, u'\u21E7'},
        {ModifierCommand, u'\u2318'},
    };
    QString text;
    for (const auto &[flag, glyph] : glyphs) {
        if (flags & flag)
            text += QChar(glyph);
    }
    return text;
}

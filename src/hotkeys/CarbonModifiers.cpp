#include "hotkeys/CarbonModifiers.h"

#include <utility>

namespace {

constexpr std::pair<ModifierFlag, CarbonModifier> kPairs[] = {
    {ModifierCommand, CarbonCommand},
    {ModifierShift, CarbonShift},
    {ModifierOption, CarbonOption},
    {ModifierControl, CarbonControl},
};

} // namespace

quint32 carbonFlags(ModifierFlags flags) {
    quint32 mask = 0;
    for (const auto &[flag, carbon] : kPairs) {
        if (flags & flag)
            mask |= carbon;
    }
    return mask;
}

ModifierFlags modifierFlagsFromCarbon(quint32 carbonModifiers) {
    ModifierFlags flags = 0;
    for (const auto &[flag, carbon] : kPairs) {
        if (carbonModifiers & carbon)
            flags |= flag;
    }
    return flags;
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

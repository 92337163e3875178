#include "hotkeys/CarbonModifiers.h"

#include <utility>

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

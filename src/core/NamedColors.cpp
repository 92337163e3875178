#include "core/NamedColors.h"

#include "core/SystemColors.h"

#include <algorithm>

namespace {
// clang-format off
const std::array<NamedColor, 10> kColors = {{
    //% "Red"
    {QT_TRID_NOOP("color.red"), &SystemColors::systemRed, 1},
    //% "Yellow"
    {QT_TRID_NOOP("color.yellow"), &SystemColors::systemYellow, 2},
    //% "Green"
    {QT_TRID_NOOP("color.green"), &SystemColors::systemGreen, 3},
    //% "Blue"
    {QT_TRID_NOOP("color.blue"), &SystemColors::systemBlue, 4},
    //% "Purple"
    {QT_TRID_NOOP("color.purple"), &SystemColors::systemPurple, 5},
    //% "Brown"
    {QT_TRID_NOOP("color.brown"), &SystemColors::systemBrown, 6},
    //% "Teal"
    {QT_TRID_NOOP("color.teal"), &SystemColors::systemTeal, 7},
    //% "Grey"
    {QT_TRID_NOOP("color.gray"), &SystemColors::systemGray, 8},
    //% "Indigo"
    {QT_TRID_NOOP("color.indigo"), &SystemColors::systemIndigo, 0},
    //% "Pink"
    {QT_TRID_NOOP("color.pink"), &SystemColors::systemPink, 9},
}};
// clang-format on
} // namespace

const std::array<NamedColor, 10> &namedColors() {
    return kColors;
}

const std::array<NamedColor, 9> &paletteColors() {
    static const std::array<NamedColor, 9> palette = [] {
        std::array<NamedColor, 9> keyed{};
        for (const NamedColor &named : kColors) {
            if (named.paletteKey > 0)
                keyed[std::size_t(named.paletteKey - 1)] = named;
        }
        return keyed;
    }();
    return palette;
}

QString colorName(const QColor &color) {
    const auto named = std::find_if(kColors.begin(), kColors.end(), [&color](const NamedColor &c) {
        return c.color().rgba() == color.rgba();
    });
    if (named != kColors.end())
        return qtTrId(named->nameId);
    return color.name(color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb).toUpper();
}

#pragma once

#include <QColor>
#include <QString>

#include <array>

// A colour Quillory offers by name.
struct NamedColor {
    // The string-table id of its name ("Red").
    const char *nameId;
    QColor (*color)();
    // The overlay's number key that picks it (1–9), 0 when the palette has not got it.
    int paletteKey;
};

// Every named colour, in the order the tray panel shows them.
const std::array<NamedColor, 10> &namedColors();
// The palette's colours, in the order of their keys 1–9.
const std::array<NamedColor, 9> &paletteColors();
// The translated name of a named colour; any other colour by its hex code ("#3A7BD5", with
// the alpha in front when it is not opaque).
QString colorName(const QColor &color);

#pragma once

#include "palette/ColorRadioButton.h"
#include "palette/RadioButtonGroup.h"
#include "palette/ShapeRadioButton.h"

using ColorRadioButtonGroup = RadioButtonGroup<QColor, ColorRadioButton>;
using ShapeRadioButtonGroup = RadioButtonGroup<Shape, ShapeRadioButton>;

// The overlay's two palette columns, and what the overlay pushes into the tool buttons.
class Palette {
public:
    // System red … pink, titled "1" … "9" after the keys that select them. Red starts selected.
    static ColorRadioButtonGroup *makeColorGroup(QWidget *parent = nullptr);
    // Pen, line, arrow, rect, circle, untitled. The pen starts selected.
    static ShapeRadioButtonGroup *makeShapeGroup(QWidget *parent = nullptr);

    // The new pen colour for every tool button, each restyled for its state: a hovered button
    // keeps its old colours until its next style change.
    static void setTint(ShapeRadioButtonGroup &group, const QColor &color);
    // The modified icons (Shift held) on or off.
    static void setModified(ShapeRadioButtonGroup &group, bool modified);
};

#pragma once

#include "core/Key.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The drawing tool. The raw values are fixed; the palette shows the tools in another order
// (pen, line, arrow, rect, circle), which is the order of the tool table below.
enum class Shape : quint8 {
    arrow = 0,
    pen = 1,
    line = 2,
    rect = 3,
    circle = 4,
};

// Everything Quillory says about one drawing tool.
struct Tool {
    Shape shape;
    // The overlay key that picks the tool.
    Key key;
    // The palette icon, and the one shown while Shift is held.
    const char *icon;
    const char *modifiedIcon;
    // The string-table ids of the tool's name ("Pen") and of its kind in undo texts
    // ("Draw Pen Stroke on …").
    const char *nameId;
    const char *undoName;
    // The name `quillory --action NAME` takes.
    const char *actionName;
};

// The tools in palette order: a tool's index here is its palette index.
const std::array<Tool, 5> &tools();
const Tool &tool(Shape shape);
int paletteIndex(Shape shape);
std::optional<Shape> shapeForActionName(const QString &name);

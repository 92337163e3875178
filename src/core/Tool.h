#pragma once

#include "core/Key.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The drawing tool. The raw values are fixed; the palette shows the tools in another order
// (pen, line, arrow, rect, circle, then the marking tools), which is the order of the tool
// table below.
enum class Shape : quint8 {
    arrow = 0,
    pen = 1,
    line = 2,
    rect = 3,
    circle = 4,
    highlighter = 5,
    eraser = 6,
    text = 7,
    laser = 8,
};

// Everything Quillory says about one drawing tool.
struct Tool {
    // What a press and drag with the tool does: draw a shape, erase the shapes it touches,
    // place a text cursor to type at, or nothing (the laser pointer only points).
    enum class Gesture : quint8 { draw, erase, write, point };
    Shape shape;
    // The overlay key that picks the tool.
    Key key;
    // The palette icon, and the one shown while Shift is held.
    const char *icon;
    const char *modifiedIcon;
    // The string-table ids of the tool's name ("Pen") and of its kind in undo texts
    // ("Draw Pen Stroke on …"; none for a tool that draws no shape).
    const char *nameId;
    const char *undoName;
    // The name `quillory --action NAME` takes.
    const char *actionName;
    // The line width a shape starts with until the user picks another, in points: the pen's
    // stroke, the eraser's reach across, the laser dot's size; the text's size follows it.
    double width;
    Gesture gesture = Gesture::draw;
};

inline constexpr int toolCount = 9;
// The bounds of a line width the user picks, in points.
inline constexpr double minLineWidth = 1.0;
inline constexpr double maxLineWidth = 40.0;

// The tools in palette order: a tool's index here is its palette index.
const std::array<Tool, toolCount> &tools();
const Tool &tool(Shape shape);
int paletteIndex(Shape shape);
// The width `steps` steps thicker (or, negative, thinner) than `width`, within the bounds:
// steps of one point up to 6, then growing with the width.
double steppedLineWidth(double width, int steps);

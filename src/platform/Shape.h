#pragma once

#include <QtGlobal>

// The drawing tool, shared by the drawing model and the palette. The raw values are not the
// palette's order (pen, line, arrow, rect, circle); the palette maps between the two.
enum class Shape : quint8 {
    arrow = 0,
    pen = 1,
    line = 2,
    rect = 3,
    circle = 4,
};

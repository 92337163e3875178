#include "core/Tool.h"

#include <algorithm>
#include <iterator>

namespace {
// clang-format off
const std::array<Tool, toolCount> kTools = {{
    {Shape::pen, Key::p, "iconLine-1", "iconLine-1",
     //% "Pen"
     QT_TRID_NOOP("tool.pen"),
     //% "Pen Stroke"
     QT_TRID_NOOP("renderable.type.line"), "pen", 3.0},
    {Shape::line, Key::l, "iconLineModified-1", "iconLineModified-1",
     //% "Line"
     QT_TRID_NOOP("tool.line"),
     //% "Line"
     QT_TRID_NOOP("renderable.type.straightLine"), "line", 2.0},
    {Shape::arrow, Key::a, "iconArrow-1", "iconArrowModified-1",
     //% "Arrow"
     QT_TRID_NOOP("tool.arrow"),
     //% "Arrow"
     QT_TRID_NOOP("renderable.type.arrow"), "arrow", 3.0},
    {Shape::rect, Key::r, "iconRectangle-1", "iconRectangle-1",
     //% "Rectangle"
     QT_TRID_NOOP("tool.rectangle"),
     //% "Rectangle"
     QT_TRID_NOOP("renderable.type.rectangle"), "rect", 1.0},
    {Shape::circle, Key::c, "iconCircle-1", "iconCircle-1",
     //% "Ellipse"
     QT_TRID_NOOP("tool.ellipse"),
     //% "Ellipse"
     QT_TRID_NOOP("renderable.type.circle"), "circle", 3.0},
    {Shape::highlighter, Key::h, "iconHighlighter", "iconHighlighterModified",
     //% "Highlighter"
     QT_TRID_NOOP("tool.highlighter"),
     //% "Highlighter Stroke"
     QT_TRID_NOOP("renderable.type.highlighter"), "highlighter", 16.0},
    {Shape::eraser, Key::e, "iconEraser", "iconEraser",
     //% "Eraser"
     QT_TRID_NOOP("tool.eraser"),
     nullptr, "eraser", 16.0, Tool::Gesture::erase},
    {Shape::text, Key::t, "iconText", "iconText",
     //% "Text"
     QT_TRID_NOOP("tool.text"),
     //% "Text"
     QT_TRID_NOOP("renderable.type.text"), "text", 6.0, Tool::Gesture::write},
    {Shape::laser, Key::d, "iconLaser", "iconLaser",
     //% "Laser Pointer"
     QT_TRID_NOOP("tool.laser"),
     nullptr, "laser", 12.0, Tool::Gesture::point},
}};
// clang-format on
} // namespace

const std::array<Tool, toolCount> &tools() {
    return kTools;
}

int paletteIndex(Shape shape) {
    for (std::size_t i = 0; i < kTools.size(); ++i) {
        if (kTools[i].shape == shape)
            return int(i);
    }
    return 0; // every shape has a row
}

const Tool &tool(Shape shape) {
    return kTools[std::size_t(paletteIndex(shape))];
}

double steppedLineWidth(double width, int steps) {
    static constexpr double kLadder[] = {1,  2,  3,  4,  5,  6,  8,  10, 12,
                                         14, 16, 20, 24, 28, 32, 36, 40};
    double stepped = std::clamp(width, minLineWidth, maxLineWidth);
    for (; steps > 0; --steps) {
        const auto *next = std::upper_bound(std::begin(kLadder), std::end(kLadder), stepped);
        stepped = next == std::end(kLadder) ? maxLineWidth : *next;
    }
    for (; steps < 0; ++steps) {
        const auto *next = std::lower_bound(std::begin(kLadder), std::end(kLadder), stepped);
        stepped = next == std::begin(kLadder) ? minLineWidth : *std::prev(next);
    }
    return stepped;
}

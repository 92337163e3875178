#include "core/Tool.h"

namespace {
// clang-format off
const std::array<Tool, 5> kTools = {{
    {Shape::pen, Key::p, "iconLine-1", "iconLine-1",
     //% "Pen"
     QT_TRID_NOOP("tool.pen"),
     //% "Pen Stroke"
     QT_TRID_NOOP("renderable.type.line"), "pen"},
    {Shape::line, Key::l, "iconLineModified-1", "iconLineModified-1",
     //% "Line"
     QT_TRID_NOOP("tool.line"),
     //% "Line"
     QT_TRID_NOOP("renderable.type.straightLine"), "line"},
    {Shape::arrow, Key::a, "iconArrow-1", "iconArrowModified-1",
     //% "Arrow"
     QT_TRID_NOOP("tool.arrow"),
     //% "Arrow"
     QT_TRID_NOOP("renderable.type.arrow"), "arrow"},
    {Shape::rect, Key::r, "iconRectangle-1", "iconRectangle-1",
     //% "Rectangle"
     QT_TRID_NOOP("tool.rectangle"),
     //% "Rectangle"
     QT_TRID_NOOP("renderable.type.rectangle"), "rect"},
    {Shape::circle, Key::c, "iconCircle-1", "iconCircle-1",
     //% "Ellipse"
     QT_TRID_NOOP("tool.ellipse"),
     //% "Ellipse"
     QT_TRID_NOOP("renderable.type.circle"), "circle"},
}};
// clang-format on
} // namespace

const std::array<Tool, 5> &tools() {
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

std::optional<Shape> shapeForActionName(const QString &name) {
    for (const Tool &row : kTools) {
        if (name == QLatin1String(row.actionName))
            return row.shape;
    }
    return std::nullopt;
}

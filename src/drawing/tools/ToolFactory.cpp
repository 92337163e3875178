#include "drawing/tools/ToolFactory.h"

#include "drawing/tools/RenderableCircle.h"
#include "drawing/tools/RenderableHighlighter.h"
#include "drawing/tools/RenderableLine.h"
#include "drawing/tools/RenderableRect.h"
#include "drawing/tools/RenderableStrightLine.h"
#include "drawing/tools/RenderableText.h"
#include "platform/FatalError.h"

#include <iterator>
#include <tuple>
#include <type_traits>

namespace {

// Every kind is built from the press point (the line also from whether it is an arrow) and
// the line width, and then takes the selected colour.
template <class Kind, auto... args>
std::shared_ptr<Renderable> make(const QPointF &point, const QColor &color, double width) {
    auto shape = std::make_shared<Kind>(args..., point, width);
    shape->applyColor(color);
    return shape;
}

struct ToolClass {
    Shape shape;
    // None for a tool that draws no shape (the eraser's class is Eraser, the laser's
    // LaserPointer).
    std::shared_ptr<Renderable> (*make)(const QPointF &point, const QColor &color, double width);
};

// clang-format off
constexpr ToolClass kToolClasses[] = {
    {Shape::pen, make<RenderableLine, false>},
    {Shape::line, make<RenderableStrightLine>},
    {Shape::arrow, make<RenderableLine, true>},
    {Shape::rect, make<RenderableRect>},
    {Shape::circle, make<RenderableCircle>},
    {Shape::highlighter, make<RenderableHighlighter>},
    {Shape::eraser, nullptr},
    {Shape::text, make<RenderableText>},
    {Shape::laser, nullptr},
};
// clang-format on

consteval bool eachShapeOnce() {
    for (std::size_t i = 0; i < std::size(kToolClasses); ++i) {
        for (std::size_t j = i + 1; j < std::size(kToolClasses); ++j) {
            if (kToolClasses[i].shape == kToolClasses[j].shape)
                return false;
        }
    }
    return true;
}

// As many rows as the tool table, each for another tool: so every tool has its class.
static_assert(std::size(kToolClasses) == std::tuple_size_v<std::remove_cvref_t<decltype(tools())>>,
              "every row of the tool table needs its class here");
static_assert(eachShapeOnce(), "a tool has two classes here");

} // namespace

std::shared_ptr<Renderable> makeShape(Shape shape, const QPointF &point, const QColor &color,
                                      std::optional<double> width) {
    for (const ToolClass &row : kToolClasses) {
        if (row.shape == shape && row.make)
            return row.make(point, color, width.value_or(tool(shape).width));
    }
    QUILLORY_FATAL("no shape class for the tool");
}

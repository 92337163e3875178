#include "drawing/tools/ToolFactory.h"

#include "drawing/tools/RenderableCircle.h"
#include "drawing/tools/RenderableLine.h"
#include "drawing/tools/RenderableRect.h"
#include "drawing/tools/RenderableStrightLine.h"
#include "platform/FatalError.h"

#include <iterator>
#include <tuple>
#include <type_traits>

namespace {

// Every kind is built from the press point (the line also from whether it is an arrow) and
// then takes the selected colour.
template <class Kind, auto... args>
std::shared_ptr<Renderable> make(const QPointF &point, const QColor &color) {
    auto shape = std::make_shared<Kind>(args..., point);
    shape->applyColor(color);
    return shape;
}

struct ToolClass {
    Shape shape;
    std::shared_ptr<Renderable> (*make)(const QPointF &point, const QColor &color);
};

// clang-format off
constexpr ToolClass kToolClasses[] = {
    {Shape::pen, make<RenderableLine, false>},
    {Shape::line, make<RenderableStrightLine>},
    {Shape::arrow, make<RenderableLine, true>},
    {Shape::rect, make<RenderableRect>},
    {Shape::circle, make<RenderableCircle>},
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

std::shared_ptr<Renderable> makeShape(Shape shape, const QPointF &point, const QColor &color) {
    for (const ToolClass &row : kToolClasses) {
        if (row.shape == shape)
            return row.make(point, color);
    }
    QUILLORY_FATAL("no class for the tool");
}

#pragma once

#include "core/Tool.h"
#include "drawing/Renderable.h"

#include <optional>

// The drawing side of the tool table. core/ cannot name drawing classes, so the class each
// tool draws with is paired with its row here, in ToolFactory.cpp, and nowhere else. Adding a
// tool takes a row in tools(), and its class in this folder (overriding applyColor() if the
// selected colour is not simply its stroke and fill) named by a row in ToolFactory.cpp; a
// tool left without a row there fails to build.

// The shape a press with `shape`'s tool starts at `point`, in the selected `color`, at the
// line `width` (none: the tool's own). Only for tools that draw (Tool::Gesture::draw, write).
std::shared_ptr<Renderable> makeShape(Shape shape, const QPointF &point, const QColor &color,
                                      std::optional<double> width = std::nullopt);

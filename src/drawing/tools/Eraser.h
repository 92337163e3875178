#pragma once

#include "drawing/Renderable.h"

#include <vector>

// The eraser: a disc as wide as its line width that removes every shape it touches, whole.
// It draws nothing itself; the drawing model removes what touchedBy() finds as the pointer
// moves, and one drag is one undo step.
class Eraser {
public:
    explicit Eraser(double width)
        : radius(width / 2) {}

    const double radius;

    // The indices in `list`, ascending, of the shapes the disc touches on its way from `from`
    // to `to`.
    std::vector<std::size_t> touchedBy(const Drawings &list, const QPointF &from,
                                       const QPointF &to) const;
};

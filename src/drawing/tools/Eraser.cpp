#include "drawing/tools/Eraser.h"

std::vector<std::size_t> Eraser::touchedBy(const Drawings &list, const QPointF &from,
                                           const QPointF &to) const {
    // Most shapes are ruled out by their painted bounds; only those near the way are measured.
    const QRectF way = QRectF(from, to).normalized().adjusted(-radius, -radius, radius, radius);
    std::vector<std::size_t> touched;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Renderable &shape = *list[i];
        if (shape.paintedBounds().intersects(way) && shape.touches(from, to, radius))
            touched.push_back(i);
    }
    return touched;
}

#pragma once

#include <QPainterPath>
#include <QRectF>

#include <algorithm>

// The outline of a view with rounded corners, and the border drawn inside it: the shapes the
// self-painting buttons fill.
namespace RoundedRect {

// A radius larger than half the shorter side makes a pill, not a loop.
inline QPainterPath outline(const QRectF &rect, qreal radius) {
    QPainterPath path;
    radius = std::clamp(radius, 0.0, std::min(rect.width(), rect.height()) / 2);
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// The band `width` wide inside the outline, at most half the shorter side.
inline QPainterPath border(const QRectF &rect, qreal radius, qreal width) {
    const qreal inset = std::min(width, std::min(rect.width(), rect.height()) / 2);
    QPainterPath ring = outline(rect, radius);
    ring.addPath(outline(rect.adjusted(inset, inset, -inset, -inset), radius - inset));
    ring.setFillRule(Qt::OddEvenFill);
    return ring;
}

} // namespace RoundedRect

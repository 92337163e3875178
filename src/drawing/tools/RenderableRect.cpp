#include "drawing/tools/RenderableRect.h"

#include "core/Tool.h"

#include <algorithm>
#include <cmath>

RenderableRect::RenderableRect(const QPointF &point, double width)
    : Renderable(QPainterPath(), width)
    , origin(point) {}

void RenderableRect::applyColor(const QColor &color) {
    strokeColor = color;
    fillColor = color;
    fillColor->setAlphaF(0.2f);
}

QString RenderableRect::actionName() const {
    return qtTrId(tool(Shape::rect).undoName);
}

void RenderableRect::update(const QPointF &to) {
    didUpdateSinceLastRender = true;
    m_to = to;
    const QRectF rect(std::min(to.x(), origin.x()), std::min(to.y(), origin.y()),
                      std::abs(origin.x() - to.x()), std::abs(origin.y() - to.y()));
    QPainterPath rounded;
    rounded.addRoundedRect(rect, 2.0, 2.0);
    path = rounded;
}

std::vector<QPointF> RenderableRect::drawnPoints() const {
    if (!m_to)
        return {origin};
    return {origin, *m_to};
}

#include "drawing/tools/RenderableCircle.h"

#include "core/Tool.h"

RenderableCircle::RenderableCircle(const QPointF &point, double width)
    : Renderable(QPainterPath(), width)
    , center(point) {}

void RenderableCircle::applyColor(const QColor &color) {
    strokeColor = color;
    fillColor.reset();
}

QString RenderableCircle::actionName() const {
    return qtTrId(tool(Shape::circle).undoName);
}

void RenderableCircle::update(const QPointF &to) {
    didUpdateSinceLastRender = true;
    m_to = to;
    QPainterPath ellipse;
    ellipse.addEllipse(QRectF(center, QSizeF(to.x() - center.x(), to.y() - center.y())));
    path = ellipse;
}

std::vector<QPointF> RenderableCircle::drawnPoints() const {
    if (!m_to)
        return {center};
    return {center, *m_to};
}

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
    QPainterPath ellipse;
    ellipse.addEllipse(QRectF(center, QSizeF(to.x() - center.x(), to.y() - center.y())));
    path = ellipse;
}

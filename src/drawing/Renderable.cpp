#include "drawing/Renderable.h"

#include "platform/FatalError.h"

#include <QPainter>

std::vector<QPointF> linePoints(const QPainterPath &path, std::optional<int> limit) {
    std::vector<QPointF> points;
    for (int i = path.elementCount() - 1; i >= 1; --i) {
        if (limit && int(points.size()) >= *limit)
            break;
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isLineTo())
            points.emplace_back(element.x, element.y);
    }
    return points;
}

// --- Renderable ---

Renderable::Renderable(QPainterPath initialPath, double width)
    : path(std::move(initialPath))
    , strokeColor(QColor(Qt::white))
    , lineWidth(width) {}

void Renderable::applyColor(const QColor &color) {
    strokeColor = color;
    fillColor = color;
}

QString Renderable::actionName() const {
    QUILLORY_FATAL("actionName has no base implementation");
}

void Renderable::update(const QPointF &) {
    didUpdateSinceLastRender = true;
}

void Renderable::render(QPainter &painter) {
    drawPath(painter, renderedPath());
}

void Renderable::render(QPainter &painter, const QRectF &) {
    render(painter);
}

void Renderable::drawPath(QPainter &painter, QPainterPath drawn) {
    drawn.setFillRule(Qt::WindingFill);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (fillColor && fillsPath())
        painter.fillPath(drawn, *fillColor);
    if (strokeColor) {
        QPen pen(*strokeColor, lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        pen.setMiterLimit(miterLimit);
        painter.strokePath(drawn, pen);
    }
    didUpdateSinceLastRender = false;
}

QRectF Renderable::strokedBounds(const QPainterPath &path, double width) {
    if (path.isEmpty())
        return {};
    const double margin = paintMargin(width);
    return path.controlPointRect().adjusted(-margin, -margin, margin, margin);
}

QRectF Renderable::paintedBounds() const {
    return strokedBounds(renderedPath(), lineWidth);
}

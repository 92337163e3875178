#include "drawing/tools/RenderableStrightLine.h"

#include "core/Tool.h"

RenderableStrightLine::RenderableStrightLine(const QPointF &point, double width)
    : Renderable(QPainterPath(), width)
    , origin(point) {}

QString RenderableStrightLine::actionName() const {
    return qtTrId(tool(Shape::line).undoName);
}

void RenderableStrightLine::update(const QPointF &to) {
    didUpdateSinceLastRender = true;
    m_to = to;
    QPainterPath segment(origin);
    segment.lineTo(to);
    segment.closeSubpath();
    path = segment;
}

std::vector<QPointF> RenderableStrightLine::drawnPoints() const {
    if (!m_to)
        return {origin};
    return {origin, *m_to};
}

#include "drawing/Renderable.h"

#include "platform/FatalError.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

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
    if (strokeColor)
        painter.strokePath(drawn, strokePen());
    didUpdateSinceLastRender = false;
}

QPen Renderable::strokePen() const {
    QPen pen(*strokeColor, lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(miterLimit);
    return pen;
}

namespace {

double distanceToSegment(const QPointF &point, const QPointF &a, const QPointF &b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(point - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * ab;
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

double cross(const QPointF &a, const QPointF &b) {
    return a.x() * b.y() - a.y() * b.x();
}

// The least distance between the segments ab and cd; 0 where they cross.
double segmentDistance(const QPointF &a, const QPointF &b, const QPointF &c, const QPointF &d) {
    const double d1 = cross(b - a, c - a), d2 = cross(b - a, d - a);
    const double d3 = cross(d - c, a - c), d4 = cross(d - c, b - c);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return 0.0;
    return std::min({distanceToSegment(a, c, d), distanceToSegment(b, c, d),
                     distanceToSegment(c, a, b), distanceToSegment(d, a, b)});
}

} // namespace

bool Renderable::strokeTouches(const QPainterPath &path, double width, const QPointF &from,
                               const QPointF &to, double radius) {
    const double reach = radius + width / 2;
    const QRectF swept = QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach);
    if (!swept.intersects(path.controlPointRect().adjusted(-0.5, -0.5, 0.5, 0.5)))
        return false;
    for (const QPolygonF &polygon : path.toSubpathPolygons()) {
        if (polygon.size() == 1 && distanceToSegment(polygon.front(), from, to) <= reach)
            return true;
        for (qsizetype i = 1; i < polygon.size(); ++i) {
            const QPointF &a = polygon[i - 1], &b = polygon[i];
            if (!swept.intersects(QRectF(a, b).normalized().adjusted(-0.5, -0.5, 0.5, 0.5)))
                continue;
            if (segmentDistance(a, b, from, to) <= reach)
                return true;
        }
    }
    return false;
}

bool Renderable::touches(const QPointF &from, const QPointF &to, double radius) const {
    const QPainterPath drawn = renderedPath();
    if (fillColor && fillsPath() && (drawn.contains(from) || drawn.contains(to)))
        return true;
    return strokeColor && strokeTouches(drawn, lineWidth, from, to, radius);
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

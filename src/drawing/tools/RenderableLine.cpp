#include "drawing/tools/RenderableLine.h"

#include "core/Tool.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

RenderableLine::RenderableLine(bool arrow, const QPointF &point, double width)
    : Renderable(QPainterPath(point), width)
    , isArrow(arrow) {}

QString RenderableLine::actionName() const {
    return qtTrId(tool(isArrow ? Shape::arrow : Shape::pen).undoName);
}

void RenderableLine::update(const QPointF &to) {
    didUpdateSinceLastRender = true;
    path.lineTo(to);
    if (followsPressure())
        m_widthFactors.push_back(m_factor);
}

std::vector<QPointF> RenderableLine::drawnPoints() const {
    std::vector<QPointF> points;
    points.reserve(std::size_t(path.elementCount()));
    for (int i = 0; i < path.elementCount(); ++i)
        points.emplace_back(path.elementAt(i));
    return points;
}

std::vector<double> RenderableLine::pressures() const {
    std::vector<double> pressures;
    pressures.reserve(m_widthFactors.size());
    for (const double factor : m_widthFactors)
        pressures.push_back((factor - 0.2) / 0.8);
    return pressures;
}

void RenderableLine::setPressure(double pressure) {
    if (isArrow)
        return; // an arrow keeps its width, as its head does
    m_factor = 0.2 + 0.8 * std::clamp(pressure, 0.0, 1.0);
    if (!followsPressure())
        m_widthFactors.assign(std::size_t(path.elementCount()), m_factor);
}

// Each segment at its own width, round where they meet, filled as one outline: a marker does
// not darken where its segments overlap.
void RenderableLine::renderPressured(QPainter &painter, const QRectF &area) {
    const double reach = lineWidth / 2 + 1.0;
    const QRectF near = area.adjusted(-reach, -reach, reach, reach);
    QPainterPathStroker stroker;
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    const int count = std::min(path.elementCount(), int(m_widthFactors.size()));
    for (int i = std::min(1, count - 1); i < count; ++i) {
        const QPointF from = path.elementAt(std::max(0, i - 1)), to = path.elementAt(i);
        if (!near.intersects(QRectF(from, to).normalized().adjusted(-0.5, -0.5, 0.5, 0.5)))
            continue;
        stroker.setWidth(
            lineWidth *
            (m_widthFactors[std::size_t(std::max(0, i - 1))] + m_widthFactors[std::size_t(i)]) / 2);
        QPainterPath segment(from);
        segment.lineTo(to);
        outline.addPath(stroker.createStroke(segment));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(outline, strokePen().brush());
    didUpdateSinceLastRender = false;
}

QPainterPath RenderableLine::renderedPath() const {
    if (!isModified)
        return path;
    const std::vector<QPointF> points = linePoints(path);
    if (points.empty())
        return path;
    QPainterPath straight(points.front());
    straight.lineTo(points.back());
    return straight;
}

void RenderableLine::updateArrowHead() {
    QPointF direction;
    const QPointF tip = path.currentPosition();
    if (isModified) {
        const std::vector<QPointF> points = linePoints(path);
        if (points.size() < 2)
            return;
        direction = points.front() - points.back();
    } else {
        // Follow the last stretch of travel, not the last (noisy) segment.
        bool found = false;
        for (const QPointF &point : linePoints(path, 50)) {
            const QPointF delta = tip - point;
            if (std::hypot(delta.x(), delta.y()) >= arrowHeadLength) {
                direction = delta;
                found = true;
                break;
            }
        }
        if (!found)
            return;
    }
    const double theta = std::atan2(direction.y(), direction.x());
    constexpr double pi = std::numbers::pi;
    const QPointF barb1(tip.x() + arrowHeadLength * std::sin(-0.35 * pi - theta),
                        tip.y() + arrowHeadLength * std::cos(-0.35 * pi - theta));
    const QPointF barb2(tip.x() + arrowHeadLength * std::sin(-0.65 * pi - theta),
                        tip.y() + arrowHeadLength * std::cos(-0.65 * pi - theta));
    QPainterPath head(barb1);
    head.lineTo(tip);
    head.lineTo(barb2);
    if (fillColor)
        head.closeSubpath();
    arrowHead = head;
}

void RenderableLine::render(QPainter &painter) {
    if (followsPressure() && !isArrow && !isModified)
        return renderPressured(painter, path.controlPointRect());
    renderPart(painter, renderedPath());
}

// How far the join at `at` reaches from it: a miter is long only where the path turns sharply,
// so a growing stroke's repaint stays small although the miter limit is high.
static double joinReach(QPointF before, QPointF at, QPointF after, double width) {
    const double longest = width * Renderable::miterLimit;
    const QPointF in = at - before, out = after - at;
    const double lengths = std::hypot(in.x(), in.y()) * std::hypot(out.x(), out.y());
    if (lengths == 0) // Qt joins across a repeated point: assume the worst
        return longest;
    const double cosHalfTurn =
        std::sqrt(std::max(0.0, (1 + QPointF::dotProduct(in, out) / lengths) / 2));
    return cosHalfTurn * longest <= width / 2 ? longest : width / 2 / cosHalfTurn;
}

// How far a stroke's paint around element `i` of `path` reaches from it: its join, or a cap.
static double reachAt(const QPainterPath &path, int i, double width) {
    if (i <= 0 || i + 1 >= path.elementCount())
        return width / 2;
    return joinReach(path.elementAt(i - 1), path.elementAt(i), path.elementAt(i + 1), width);
}

void RenderableLine::render(QPainter &painter, const QRectF &area) {
    if (isModified)
        return render(painter);
    if (followsPressure() && !isArrow)
        return renderPressured(painter, area);
    // Only the segments that can paint into the area. One left out ends at points farther from
    // the area than their joins reach, so the caps its neighbours get there instead of joins do
    // not show in the area either. Stroking the whole path would cost as much as its length.
    // No join reaches farther than the miter limit allows, so most segments are ruled out by one
    // rectangle test; the exact reach is worked out only for those near the area.
    const double farthest = lineWidth * miterLimit + 1.0;
    const QRectF near = area.adjusted(-farthest, -farthest, farthest, farthest);
    QPainterPath part;
    bool open = false;
    for (int i = 1; i < path.elementCount(); ++i) {
        const QPointF from = path.elementAt(i - 1);
        const QPointF to = path.elementAt(i);
        const QRectF segment = QRectF(from, to).normalized().adjusted(-0.5, -0.5, 0.5, 0.5);
        bool paints = near.intersects(segment);
        if (paints) {
            const double margin =
                std::max(reachAt(path, i - 1, lineWidth), reachAt(path, i, lineWidth)) + 1.0;
            paints = area.adjusted(-margin, -margin, margin, margin).intersects(segment);
        }
        if (!paints) {
            open = false;
            continue;
        }
        if (!open)
            part.moveTo(from);
        part.lineTo(to);
        open = true;
    }
    renderPart(painter, part);
}

void RenderableLine::renderPart(QPainter &painter, const QPainterPath &part) {
    if (didUpdateSinceLastRender && isArrow && path.elementCount() >= 6)
        updateArrowHead();
    drawPath(painter, part);
    if (!isArrow)
        return;
    if (fillColor)
        painter.fillPath(arrowHead, *fillColor);
    if (strokeColor)
        painter.strokePath(arrowHead, QPen(*strokeColor, arrowHeadLineWidth, Qt::SolidLine,
                                           Qt::RoundCap, Qt::MiterJoin));
}

QRectF RenderableLine::segmentBounds(int from) const {
    const int count = path.elementCount();
    if (count == 0)
        return {};
    const int first = std::max(1, from - 1);
    QRectF bounds(path.elementAt(first - 1), QSizeF(0, 0));
    for (int i = first; i < count; ++i)
        bounds |= QRectF(path.elementAt(i - 1), path.elementAt(i)).normalized();
    const double edge = lineWidth / 2 + 1.0; // caps, bevels and antialiasing
    bounds.adjust(-edge, -edge, edge, edge);
    for (int i = first; i + 1 < count; ++i) {
        const QPointF at = path.elementAt(i);
        const double reach = reachAt(path, i, lineWidth) + 1.0;
        bounds |= QRectF(at.x() - reach, at.y() - reach, 2 * reach, 2 * reach);
    }
    return bounds;
}

QRectF RenderableLine::headBounds() const {
    if (!isArrow)
        return {};
    // The head is recomputed at the next render: it may reach arrowHeadLength from the tip. Its
    // pen keeps Qt's miter limit of 2.
    const double margin = 2 * arrowHeadLineWidth + 1.0;
    const double reach = arrowHeadLength + margin;
    const QPointF tip = path.currentPosition();
    QRectF bounds(tip.x() - reach, tip.y() - reach, 2 * reach, 2 * reach);
    if (!arrowHead.isEmpty())
        bounds |= arrowHead.controlPointRect().adjusted(-margin, -margin, margin, margin);
    return bounds;
}

QRectF RenderableLine::paintedBounds() const {
    if (isModified || followsPressure()) {
        QRectF bounds = Renderable::paintedBounds();
        return isArrow ? bounds | headBounds() : bounds;
    }
    // A freehand stroke's own joins, not the worst a join could reach: far fewer strokes seem
    // to paint where the eraser repaints. Kept while the stroke does not grow.
    if (m_boundsElements != path.elementCount()) {
        m_bounds = segmentBounds(0);
        if (isArrow)
            m_bounds |= headBounds();
        m_boundsElements = path.elementCount();
    }
    return m_bounds;
}

bool RenderableLine::touches(const QPointF &from, const QPointF &to, double radius) const {
    return Renderable::touches(from, to, radius) ||
           (isArrow && strokeTouches(arrowHead, arrowHeadLineWidth, from, to, radius));
}

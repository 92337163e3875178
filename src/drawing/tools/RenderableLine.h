#pragma once

#include "drawing/Renderable.h"

// Pen and arrow: a freehand polyline through every drag point; the arrow carries a head at
// its newest point. With isModified set it is drawn as one straight segment.
class RenderableLine : public Renderable {
public:
    static constexpr double arrowHeadLength = 18.0;
    static constexpr double arrowHeadLineWidth = 3.0;

    RenderableLine(bool isArrow, const QPointF &point, double width);

    const bool isArrow;
    QPainterPath arrowHead;

    QString actionName() const override;
    bool fillsPath() const override { return false; }
    void render(QPainter &painter) override;
    void render(QPainter &painter, const QRectF &area) override;
    void update(const QPointF &to) override;
    QPainterPath renderedPath() const override;
    QRectF paintedBounds() const override;
    bool touches(const QPointF &from, const QPointF &to, double radius) const override;

    // Freehand strokes grow at their end: the area the segments from element `from` on may
    // paint (the segment before it included, as its join changes), and the area of the head.
    QRectF segmentBounds(int from) const;
    QRectF headBounds() const;

private:
    void updateArrowHead();
    void renderPart(QPainter &painter, const QPainterPath &part);
};

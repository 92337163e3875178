#pragma once

#include "drawing/Renderable.h"

#include <vector>

// Pen and arrow: a freehand polyline through every drag point; the arrow carries a head at
// its newest point. With isModified set it is drawn as one straight segment.
class RenderableLine : public Renderable {
public:
    static constexpr double arrowHeadLength = 18.0;
    static constexpr double arrowHeadLineWidth = 3.0;

    RenderableLine(bool isArrow, const QPointF &point, double width);

    const bool isArrow;
    QPainterPath arrowHead;

    Shape kind() const override { return isArrow ? Shape::arrow : Shape::pen; }
    std::vector<QPointF> drawnPoints() const override;
    std::vector<double> pressures() const override;
    QString actionName() const override;
    bool fillsPath() const override { return false; }
    void render(QPainter &painter) override;
    void render(QPainter &painter, const QRectF &area) override;
    void update(const QPointF &to) override;
    QPainterPath renderedPath() const override;
    QRectF paintedBounds() const override;
    void setPressure(double pressure) override;
    bool touches(const QPointF &from, const QPointF &to, double radius) const override;

    bool growsAtItsEnd() const override { return !isModified; }
    QRectF segmentBounds(int from) const override;
    QRectF headBounds() const override;

    // The width follows a pen tablet's pressure along a freehand stroke, from a fifth of the
    // line width at the lightest touch to all of it.
    bool followsPressure() const { return !m_widthFactors.empty(); }

private:
    void updateArrowHead();
    void renderPressured(QPainter &painter, const QRectF &area);
    // Per path element, once a pressure came; the pressure for the points to come.
    std::vector<double> m_widthFactors;
    double m_factor = 1.0;
    mutable QRectF m_bounds;
    mutable int m_boundsElements = -1;
    void renderPart(QPainter &painter, const QPainterPath &part);
};

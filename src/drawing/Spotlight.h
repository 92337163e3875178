#pragma once

#include <QPointF>
#include <QRegion>

class QPainter;

// The spotlight: the screen dimmed except a bright circle around the pointer, with a soft edge.
class Spotlight {
public:
    static constexpr double minRadius = 40.0;
    static constexpr double maxRadius = 600.0;
    static constexpr double defaultRadius = 150.0;
    // How much darker the dimmed screen is.
    static constexpr double dimming = 0.6;

    double radius() const { return m_radius; }
    QPointF centre() const { return m_centre; }
    // Each returns the area to paint again.
    QRegion moveTo(const QPointF &centre);
    // A wheel notch makes the circle 15 % larger (or, negative, smaller), within the bounds.
    QRegion stepRadius(int notches);

    // Dims `area` (view coordinates) but for the circle.
    void paint(QPainter &painter, const QRect &area) const;

private:
    static constexpr double feather = 12.0;
    QRect circleArea() const;

    QPointF m_centre{-10000, -10000};
    double m_radius = defaultRadius;
};

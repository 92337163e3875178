#pragma once

#include "drawing/OverlayEffect.h"

// The spotlight: the screen dimmed except a bright circle around the pointer, with a soft edge.
class Spotlight : public OverlayEffect {
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

    // On, it follows the pointer from `at`.
    void setOn(bool on, const QPointF &at) {
        m_on = on;
        moveTo(at);
    }

    Layer layer() const override { return Layer::beneath; }
    bool isShown() const override { return m_on; }
    QRegion follow(const QPointF &point, qint64) override {
        return m_on ? moveTo(point) : QRegion();
    }
    bool takesWheel() const override { return m_on; }
    QRegion turnWheel(int notches) override { return stepRadius(notches); }
    // Dims `area` (view coordinates) but for the circle.
    void paint(QPainter &painter, const QRect &area, const Paint &how = {}) const override;

private:
    static constexpr double feather = 12.0;
    QRect circleArea() const;

    QPointF m_centre{-10000, -10000};
    double m_radius = defaultRadius;
    bool m_on = false;
};

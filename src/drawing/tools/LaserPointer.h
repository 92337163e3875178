#pragma once

#include "drawing/OverlayEffect.h"

#include <QColor>

#include <deque>

// The laser pointer: a bright dot in the current colour under the pointer, with a trail that
// thins and fades within half a second. It draws no shape; nothing of it stays.
class LaserPointer : public OverlayEffect {
public:
    static constexpr qint64 trailLength = 500; // ms

    void setColor(const QColor &color) { m_color = color; }
    // The dot's width across.
    void setWidth(double width) { m_width = width; }
    double width() const { return m_width; }

    // The pointer is at `point` at `now` (ms): returns the area to paint again.
    QRegion moveTo(const QPointF &point, qint64 now);
    // Lets the trail older than trailLength go: returns the area to paint again, which is the
    // whole trail while there is one (it fades as a whole).
    QRegion advance(qint64 now) override;
    // Whether there is a trail still fading behind the dot.
    bool trailing() const { return m_trail.size() > 1; }
    // Removes the dot and the trail: returns where they were.
    QRegion hide();
    bool isShown() const override { return !m_trail.empty(); }
    // Where the dot and the trail paint.
    QRegion area() const;

    // On, the dot follows the pointer from `at`; off, it goes.
    QRegion setOn(bool on, const QPointF &at, qint64 now);
    bool isOn() const { return m_on; }

    Layer layer() const override { return Layer::over; }
    QRegion follow(const QPointF &point, qint64 now) override {
        return m_on ? moveTo(point, now) : QRegion();
    }
    qint64 nextChange(qint64) const override { return trailing() ? 0 : -1; }
    bool inScreenshots() const override { return false; }
    void paint(QPainter &painter, const QRect &area, const Paint &how) const override;

private:
    struct Point {
        QPointF at;
        qint64 time;
    };
    QRect dotArea(const QPointF &at) const;

    QColor m_color = Qt::red;
    double m_width = 12.0;
    std::deque<Point> m_trail; // oldest first; the last is the dot
    bool m_on = false;
};

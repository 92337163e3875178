#pragma once

#include <QColor>
#include <QPointF>
#include <QRegion>

#include <deque>

class QPainter;

// The laser pointer: a bright dot in the current colour under the pointer, with a trail that
// thins and fades within half a second. It draws no shape; nothing of it stays.
class LaserPointer {
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
    QRegion advance(qint64 now);
    // Whether there is a trail still fading behind the dot.
    bool trailing() const { return m_trail.size() > 1; }
    // Removes the dot and the trail: returns where they were.
    QRegion hide();
    bool isShown() const { return !m_trail.empty(); }
    // Where the dot and the trail paint.
    QRegion area() const;

    void paint(QPainter &painter, qint64 now) const;

private:
    struct Point {
        QPointF at;
        qint64 time;
    };
    QRect dotArea(const QPointF &at) const;

    QColor m_color = Qt::red;
    double m_width = 12.0;
    std::deque<Point> m_trail; // oldest first; the last is the dot
};

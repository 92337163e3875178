#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPainter;

// The end points of a path's line-to elements, newest first, at most `limit` of them. The
// initial move-to and every other element kind are skipped.
std::vector<QPointF> linePoints(const QPainterPath &path, std::optional<int> limit = std::nullopt);

// A shape drawn on the overlay: a vector path in view coordinates with its colours and line
// width. Shapes are compared by identity. A shape starts at the press point, grows with every
// drag point through update(), and paints itself with render().
class Renderable {
public:
    virtual ~Renderable() = default;
    Renderable(const Renderable &) = delete;
    Renderable &operator=(const Renderable &) = delete;

    QPainterPath path;
    std::optional<QColor> strokeColor;
    std::optional<QColor> fillColor;
    double lineWidth;
    bool isModified = false;
    bool didUpdateSinceLastRender = false;

    // The localised name of the kind, for undo texts. Every concrete kind has one.
    virtual QString actionName() const;
    virtual bool fillsPath() const { return true; }
    virtual void render(QPainter &painter);
    // Renders what falls into `area`, with the same pixels there as render(). Long freehand
    // strokes use it to repaint a small area without stroking their whole path.
    virtual void render(QPainter &painter, const QRectF &area);
    virtual void update(const QPointF &to);
    virtual QPainterPath renderedPath() const { return path; }

    // The area render() may touch, in view coordinates, antialiasing and joins included.
    virtual QRectF paintedBounds() const;

    // Joins are mitred up to this many line widths from the join point, then bevelled.
    static constexpr double miterLimit = 10.0;
    // How far paint may reach beyond a path: the longest miter and antialiasing.
    static double paintMargin(double width) { return width * miterLimit + 1.0; }

protected:
    Renderable(QPainterPath initialPath, double width);
    static QRectF strokedBounds(const QPainterPath &path, double width);
    // Fills and strokes `drawn` with this shape's colours and width.
    void drawPath(QPainter &painter, QPainterPath drawn);
};

// Pen and arrow: a freehand polyline through every drag point; the arrow carries a head at
// its newest point. With isModified set it is drawn as one straight segment.
class RenderableLine : public Renderable {
public:
    static constexpr double arrowHeadLength = 18.0;
    static constexpr double arrowHeadLineWidth = 3.0;

    RenderableLine(bool isArrow, const QPointF &point);

    const bool isArrow;
    QPainterPath arrowHead;

    QString actionName() const override;
    bool fillsPath() const override { return false; }
    void render(QPainter &painter) override;
    void render(QPainter &painter, const QRectF &area) override;
    void update(const QPointF &to) override;
    QPainterPath renderedPath() const override;
    QRectF paintedBounds() const override;

    // Freehand strokes grow at their end: the area the segments from element `from` on may
    // paint (the segment before it included, as its join changes), and the area of the head.
    QRectF segmentBounds(int from) const;
    QRectF headBounds() const;

private:
    void updateArrowHead();
    void renderPart(QPainter &painter, const QPainterPath &part);
};

// A straight segment from the press point to the current point.
class RenderableStrightLine : public Renderable {
public:
    explicit RenderableStrightLine(const QPointF &origin);

    bool isHighlight = true;
    const QPointF origin;

    QString actionName() const override;
    void update(const QPointF &to) override;
};

// A rectangle with corners rounded by 2 points, spanned by the press point and the current
// point in either drag direction.
class RenderableRect : public Renderable {
public:
    explicit RenderableRect(const QPointF &origin);

    bool isHighlight = true;
    const QPointF origin;

    QString actionName() const override;
    void update(const QPointF &to) override;
};

// The ellipse inscribed in the rectangle with opposite corners `center` (the press point,
// despite its name) and the current point.
class RenderableCircle : public Renderable {
public:
    explicit RenderableCircle(const QPointF &center);

    const QPointF center;

    QString actionName() const override;
    void update(const QPointF &to) override;
};

// The shapes of one screen, oldest first.
using Drawings = std::vector<std::shared_ptr<Renderable>>;

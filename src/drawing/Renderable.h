#pragma once

#include "core/Tool.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QPen;

// The end points of a path's line-to elements, newest first, at most `limit` of them. The
// initial move-to and every other element kind are skipped.
std::vector<QPointF> linePoints(const QPainterPath &path, std::optional<int> limit = std::nullopt);

// A shape drawn on the overlay: a vector path in view coordinates with its colours and line
// width. Shapes are compared by identity. A shape starts at the press point, grows with every
// drag point through update(), and paints itself with render(). Each tool's kind lives in
// drawing/tools/ and is made through drawing/tools/ToolFactory.
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
    // Painted for a window that shows no translucency (no compositor): a kind whose paint is
    // translucent by design paints a pattern of opaque pixels instead.
    bool dithered = false;

    // What the shape is and the points it was drawn through, the press point first: from
    // these (and its colours, width, straightening and pressures) the same shape is made again,
    // which is how saved drawings keep it.
    virtual Shape kind() const = 0;
    virtual std::vector<QPointF> drawnPoints() const = 0;
    // The pen tablet's pressure at each drawn point; empty where none came.
    virtual std::vector<double> pressures() const { return {}; }

    // The localised name of the kind, for undo texts. Every concrete kind has one.
    virtual QString actionName() const;
    virtual bool fillsPath() const { return true; }
    // Takes the palette's colour at creation: it strokes and fills, unless the kind says
    // otherwise.
    virtual void applyColor(const QColor &color);
    virtual void render(QPainter &painter);
    // Renders what falls into `area`, with the same pixels there as render(). Long freehand
    // strokes use it to repaint a small area without stroking their whole path.
    virtual void render(QPainter &painter, const QRectF &area);
    virtual void update(const QPointF &to);
    // A pen tablet's pressure (0 to 1) at the points to come; most kinds keep their width.
    virtual void setPressure(double) {}
    virtual QPainterPath renderedPath() const { return path; }

    // The area render() may touch, in view coordinates, antialiasing and joins included.
    virtual QRectF paintedBounds() const;
    // A freehand stroke (not straightened) grows at its end while it is drawn: the area its
    // segments from element `from` on may paint (the segment before included, as its join
    // changes), and where its head paints. Other shapes repaint their whole bounds.
    virtual bool growsAtItsEnd() const { return false; }
    virtual QRectF segmentBounds(int) const { return paintedBounds(); }
    virtual QRectF headBounds() const { return {}; }
    // Whether a disc of `radius` moved from `from` to `to` touches what the shape paints: its
    // stroke, and its inside where it is filled. The eraser removes what it touches.
    virtual bool touches(const QPointF &from, const QPointF &to, double radius) const;

    // Joins are mitred up to this many line widths from the join point, then bevelled.
    static constexpr double miterLimit = 10.0;
    // How far paint may reach beyond a path: the longest miter and antialiasing.
    static double paintMargin(double width) { return width * miterLimit + 1.0; }

protected:
    Renderable(QPainterPath initialPath, double width);
    static QRectF strokedBounds(const QPainterPath &path, double width);
    // Fills and strokes `drawn` with this shape's colours and strokePen().
    void drawPath(QPainter &painter, QPainterPath drawn);
    virtual QPen strokePen() const;
    // Whether the outline of `path`, stroked `width` wide, comes within `radius` of the segment.
    static bool strokeTouches(const QPainterPath &path, double width, const QPointF &from,
                              const QPointF &to, double radius);
};

// The shapes of one screen, oldest first.
using Drawings = std::vector<std::shared_ptr<Renderable>>;

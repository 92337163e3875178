#pragma once

#include <QList>
#include <QRect>
#include <QRegion>

class QPainter;

// What the overlay shows, as its output paints it: the layers beneath and over the drawings,
// the drawings, and the parts of the view (the palette's buttons, the help card, the sign)
// that show whole however they are painted.
class OverlayScene {
public:
    virtual ~OverlayScene() = default;
    virtual void paintBeneath(QPainter &painter, const QRect &area) const = 0;
    virtual void paintDrawings(QPainter &painter, const QRegion &area) const = 0;
    // Over the drawings; `withBrush`: the brush dot too, for an output that paints it itself.
    virtual void paintOver(QPainter &painter, const QRect &area, bool withBrush) const = 0;
    // Whether the layers beneath cover every pixel opaque (a board, the zoom).
    virtual bool opaqueBackdrop() const = 0;
    // Whether a shape is being drawn: it paints only near the area asked for, so an output
    // that paints in strips paints it whole.
    virtual bool drawingLive() const = 0;
    // Where panels show as rectangles, and buttons as discs (view coordinates).
    virtual QList<QRect> panels() const = 0;
    virtual QList<QRect> buttons() const = 0;
};

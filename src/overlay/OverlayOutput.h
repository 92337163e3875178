#pragma once

#include <QList>
#include <QRect>
#include <QRegion>

class QPainter;
class QWidget;

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

// How the overlay's pixels reach the screen: one implementation per way of showing it. The
// view paints through the output in its paint event, and asks it before each frame.
class OverlayOutput {
public:
    virtual ~OverlayOutput() = default;
    // Whether translucent pixels have to be dithered (the window shows no translucency).
    virtual bool dithered() const = 0;
    virtual void paint(QWidget &view, QPainter &painter, const QRegion &area,
                       const OverlayScene &scene) = 0;
    // How many milliseconds new pixels should wait before they are painted (0: none).
    virtual int waitBeforePainting() const { return 0; }
    // Sends what the last paints changed, where that takes a request of its own: answers in
    // how many milliseconds to try again with what could not go yet (0: all went).
    virtual int flush() { return 0; }
    // The window shows nothing until it is painted afresh (before it maps).
    virtual void forget(QWidget &) {}
    // While held (a screenshot of what is beneath is taken) the window shows nothing at all;
    // afterwards the view paints everything again.
    virtual void setHeld(QWidget &, bool) {}
    // The output is replaced by another: the window shows as a plain window again.
    virtual void end() {}
};

// With a compositor: a translucent window, painted as it is.
class CompositedOutput : public OverlayOutput {
public:
    bool dithered() const override { return false; }
    void paint(QWidget &view, QPainter &painter, const QRegion &area,
               const OverlayScene &scene) override;
};

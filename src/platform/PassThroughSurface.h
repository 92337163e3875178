#pragma once

#include <QCursor>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QRegion>

#include <functional>

class QInputEvent;
class QPainter;

// Where pointer mode shows the drawings when the overlay's own window cannot let the pointer
// through (in a Wayland session): a surface above every window that shows a picture and takes
// no input at all, so that clicks, drags, the wheel and keys reach the windows below.
//
// A surface that can take the input too (takesInput) shows the overlay while it draws as
// well: then it paints only what changed, through the overlay's painter, and hands the
// pointer and keys it gets to the overlay as Qt's events.
class PassThroughSurface : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows `picture` (premultiplied ARGB) over `screen` (global, logical pixels), or shows a
    // newer picture there. An X window goes where `screen` says, at the picture's size; the
    // native surface covers the output the compositor picks.
    virtual void show(const QImage &picture, const QRect &screen) = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;
    // What `--action state` calls it: "layer-shell" or "x11".
    virtual QString outputName() const = 0;

    // Paints an area (logical pixels of the screen) of what the overlay shows, onto a
    // transparent buffer of `ratio` device pixels a pixel, clipped to the area.
    using Painter = std::function<void(QPainter &, const QRegion &)>;
    virtual bool takesInput() const { return false; }
    // Shows what `paint` paints, taking the pointer and the keyboard while `input`; a surface
    // already shown keeps its place and takes or leaves the input from now on.
    virtual void showPainted(Painter, qreal /*ratio*/, bool /*input*/) {}
    // `area` changed: it is painted anew when the compositor is ready for another frame.
    virtual void repaint(const QRegion &) {}
    // The pointer's shape over the surface while it takes input.
    virtual void setCursor(const QCursor &) {}

Q_SIGNALS:
    // The first picture since `show` mapped the surface is on the screen.
    void presented();
    // Input that reached the surface while it takes input, in its logical pixels: a
    // QMouseEvent, QWheelEvent or QKeyEvent, for the overlay's window.
    void input(QInputEvent *event);
};

#pragma once

#include <QImage>
#include <QObject>
#include <QRect>

// Where pointer mode shows the drawings when the overlay's own window cannot let the pointer
// through (in a Wayland session): a surface above every window that shows a picture and takes
// no input at all, so that clicks, drags, the wheel and keys reach the windows below.
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

Q_SIGNALS:
    // The first picture since `show` mapped the surface is on the screen.
    void presented();
};

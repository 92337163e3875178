#pragma once

#include <QPointF>
#include <QRegion>

class QPainter;

// Something the overlay shows besides the drawings (the spotlight, the zoom, a board, fading
// ink, the laser): it may follow the pointer, move on with a clock, take the wheel, and paints
// into a given area beneath or over the drawings. Each call that changes it answers the area
// (view coordinates) to paint again. Times are in ms of a monotonic clock.
class OverlayEffect {
public:
    enum class Layer : quint8 { beneath, over };
    // How a paint is done: when, and whether translucent pixels are dithered (no compositor).
    struct Paint {
        qint64 now = 0;
        bool dithered = false;
    };

    virtual ~OverlayEffect() = default;
    virtual Layer layer() const = 0;
    // Whether it paints anything.
    virtual bool isShown() const = 0;
    virtual QRegion follow(const QPointF &, qint64) { return {}; }
    virtual QRegion advance(qint64) { return {}; }
    // How long until it changes by itself: 0 while it moves, -1 when only input changes it.
    virtual qint64 nextChange(qint64) const { return -1; }
    // Whether a wheel notch is its now, and the notches turned.
    virtual bool takesWheel() const { return false; }
    virtual QRegion turnWheel(int) { return {}; }
    virtual void paint(QPainter &painter, const QRect &area, const Paint &how) const = 0;
    // Whether it covers every pixel opaque (a board, the zoom), so a window without a
    // compositor shows all of it.
    virtual bool opaque() const { return false; }
    // Whether screenshots show it (the laser points; it is not part of the picture).
    virtual bool inScreenshots() const { return true; }
};

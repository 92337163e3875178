#pragma once

#include "core/OverlayMode.h"
#include "drawing/Board.h"
#include "drawing/FadingInk.h"
#include "drawing/Magnifier.h"
#include "drawing/Spotlight.h"
#include "drawing/tools/LaserPointer.h"

#include <QImage>
#include <QList>
#include <QSize>

#include <array>
#include <functional>

// The overlay's effects, in the order they paint, and which rows of the toggle table are on.
// What a row needs (a compositor, a picture of the screen) and whether it outlives a hide are
// columns of that table; the stack answers them for the overlay's controller, which switches
// the rows, and paints for its view. Every call that changes a picture answers the area (view
// coordinates) to paint again.
class EffectStack {
public:
    using Clock = std::function<qint64()>;
    // `ink`: the drawing model's fading ink, which the stack paints and moves on.
    explicit EffectStack(FadingInk &ink, Clock clock = &FadingInk::now);

    // A row is on from when it is switched on; the zoom from when its picture is asked for.
    bool isOn(Toggle toggle) const;
    // Switches a row. The fading ink and the surfaces are the drawing model's to change (the
    // controller does); the stack keeps their state and paints the spotlight itself.
    QRegion setOn(Toggle toggle, bool on);
    // The rows that end when the overlay hides or lets the pointer through, and are on.
    QList<Toggle> onUntilHidden() const;

    // The zoom waits for the screen's picture between its request and showSurface(zoom).
    void setZoomPending(bool pending) { m_zoomPending = pending; }
    bool zoomPending() const { return m_zoomPending; }
    // What the drawings are on: the surface rows follow, a board shows its colour, the zoom
    // `picture` (the screen's, at its device pixels).
    QRegion showSurface(Surface surface, const QImage &picture = {});
    double zoomFactor() const { return m_magnifier.isShown() ? m_magnifier.factor() : 1.0; }

    // The laser's dot, in `color` and `width`, while its tool is picked.
    QRegion setLaser(bool on, const QColor &color, double width);

    // The pointer is at `point`: the effects that follow it move.
    QRegion follow(const QPointF &point);
    // Moves what changes by itself on to the clock's time.
    QRegion advance();
    // How long until advance() has something to do: 0 while something moves, -1 at rest.
    qint64 nextChange() const;
    // The effect that takes the wheel (the zoom before the spotlight): whether one does, and
    // the notches turned.
    bool takesWheel() const;
    QRegion turnWheel(int notches);

    void setViewSize(const QSize &size) { m_viewSize = size; }
    // What paints `layer` into `area`: without a `compositor` not what needs one, for a
    // `screenshot` not what screenshots do not show; `dithered` as the canvas's shapes.
    struct Paint {
        OverlayEffect::Layer layer;
        bool compositor = true;
        bool screenshot = false;
        bool dithered = false;
    };
    void paint(QPainter &painter, const QRect &area, const Paint &how) const;
    // Whether something beneath covers every pixel (a board, the zoom).
    bool opaque() const;

    Spotlight &spotlight() { return m_spotlight; }
    Magnifier &magnifier() { return m_magnifier; }
    const Magnifier &magnifier() const { return m_magnifier; }
    LaserPointer &laser() { return m_laser; }

private:
    struct Entry {
        OverlayEffect *effect;
        bool needsCompositor;
    };
    QRegion viewArea() const { return QRect(QPoint(), m_viewSize); }

    Clock m_clock;
    Magnifier m_magnifier;
    Board m_board;
    Spotlight m_spotlight;
    FadingInk &m_ink;
    LaserPointer m_laser;
    std::array<Entry, 5> m_paintOrder;
    std::array<bool, toggleCount> m_on{};
    bool m_zoomPending = false;
    QPointF m_pointer{-10000, -10000};
    QSize m_viewSize;
};

#pragma once

#include "overlay/OverlayOutput.h"
#include "platform/x11/WindowShape.h"

#include <QImage>

#include <functional>

// Without a compositor, which shows every pixel of the window as it is: the window is shaped to
// the pixels painted at least half opaque (in their own colour, unblended) and the panels and
// buttons, so the screen shows through everywhere else. The shape changes only where a paint
// changed, so a stroke costs the same however much is on the screen; new pixels wait while
// the X server rests from the last change.
class ShapedOutput : public OverlayOutput {
public:
    bool dithered() const override { return true; }
    void paint(QWidget &view, QPainter &painter, const QRegion &area,
               const OverlayScene &scene) override;
    int waitBeforePainting() const override { return m_held ? 0 : m_shape.restLeft(); }
    int flush() override;
    void forget(QWidget &view) override;
    void setHeld(QWidget &view, bool held) override;
    void end() override { m_shape.reset(); }

    // Paints `exposed` by `paint` through offscreen strips of `stripRows` rows, keeping the
    // pixels at least half covered, opaque in their own colour, and clearing the others. Bit 0
    // of each pixel of `coverage` (8 bits a device pixel) tells whether it was kept.
    using Painter = std::function<void(QPainter &, const QRect &)>;
    static void paintOpaque(QPainter &painter, const QRect &exposed, qreal ratio, QImage &coverage,
                            const Painter &paint, int stripRows = 32);

private:
    void cover(const QRect &part, const QRect &exposed, qreal ratio, bool round);

    // Per device pixel, bit 0 whether it should show, bit 1 whether the shape sent shows it;
    // and where the two may differ.
    QImage m_coverage;
    QRegion m_unsent;
    WindowShape m_shape;
    bool m_held = false;
};

#include "overlay/ShapedOutput.h"

#include "overlay/CompositedOutput.h"

#include <QPainter>
#include <QWidget>

#include <vector>

namespace {
// Where bit 0 of `coverage` (the pixel should show) differs from bit 1 (it shows), in `area`:
// rectangles of pixels to show and to hide, rows with the same runs making one rectangle a
// run. Marks them as shown as they should be.
void takeChanges(QImage &coverage, const QRect &area, WindowShape::Rects &shown,
                 WindowShape::Rects &hidden) {
    struct Run {
        int left, right;
        bool show;
        bool operator==(const Run &) const = default;
    };
    std::vector<Run> band, row;
    int bandTop = area.top();
    const auto closeBand = [&](int bottom) {
        for (const Run &run : band)
            (run.show ? shown : hidden)
                .emplace_back(run.left, bandTop, run.right - run.left, bottom - bandTop);
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uchar *line = coverage.scanLine(y);
        row.clear();
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool want = line[x] & 1;
            if (want == bool(line[x] & 2))
                continue;
            line[x] = want ? 3 : 0;
            if (!row.empty() && row.back().right == x && row.back().show == want)
                row.back().right = x + 1;
            else
                row.push_back({x, x + 1, want});
        }
        if (row != band) {
            closeBand(y);
            std::swap(band, row);
            bandTop = y;
        }
    }
    closeBand(area.bottom() + 1);
}

QRect deviceRect(const QRect &rect, qreal ratio, const QImage &coverage) {
    return WindowShape::toDevice(rect, ratio) & coverage.rect();
}
} // namespace

void ShapedOutput::paint(QWidget &view, QPainter &painter, const QRegion &area,
                         const OverlayScene &scene) {
    // A board or a zoom shows every pixel: the window's shape is all of it.
    const bool opaque = scene.opaqueBackdrop();
    if (opaque)
        CompositedOutput().paint(view, painter, area, scene);
    const qreal ratio = view.devicePixelRatioF();
    const QSize device = view.size() * ratio;
    const WId window = view.window()->internalWinId();
    if (m_coverage.size() != device || m_shape.window() != window) {
        // Nothing sent yet, or for another window or size: start from an empty shape.
        if (!m_coverage.isNull() || m_shape.window() != window) {
            m_shape.setWindow(window);
            m_shape.set({});
        }
        m_coverage = QImage(device, QImage::Format_Grayscale8);
        m_coverage.fill(0);
        m_unsent = QRegion();
        if (area != QRegion(view.rect()))
            view.update();
    }
    const QList<QRect> panels = scene.panels(), buttons = scene.buttons();
    for (const QRect &rect : area) {
        if (opaque) {
            const QRect pixels = deviceRect(rect, ratio, m_coverage);
            for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
                uchar *line = m_coverage.scanLine(y);
                for (int x = pixels.left(); x <= pixels.right(); ++x)
                    line[x] |= 1;
            }
        } else {
            // A shape being drawn paints only the part of itself near the area, which would
            // show at the strips' seams.
            paintOpaque(
                painter, rect, ratio, m_coverage,
                [&scene](QPainter &offscreen, const QRect &strip) {
                    scene.paintDrawings(offscreen, strip);
                    scene.paintOver(offscreen, strip, true);
                },
                scene.drawingLive() ? rect.height() : 32);
        }
        // The help card shows whole; each palette button as its disc, without the column's
        // corners, and without the outermost half pixel, which would blend into black.
        for (const QRect &panel : panels)
            cover(panel, rect, ratio, false);
        for (const QRect &button : buttons)
            cover(button, rect, ratio, true);
        m_unsent += deviceRect(rect, ratio, m_coverage);
    }
}

void ShapedOutput::cover(const QRect &part, const QRect &exposed, qreal ratio, bool round) {
    const QRect pixels = deviceRect(part & exposed, ratio, m_coverage);
    const QPointF centre = QRectF(part).center() * ratio;
    const qreal radius = part.width() * ratio / 2 - 0.5;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        uchar *line = m_coverage.scanLine(y);
        const qreal dy = y + 0.5 - centre.y();
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const qreal dx = x + 0.5 - centre.x();
            if (!round || dx * dx + dy * dy <= radius * radius)
                line[x] |= 1;
        }
    }
}

void ShapedOutput::paintOpaque(QPainter &painter, const QRect &exposed, qreal ratio,
                               QImage &coverage, const Painter &paint, int stripRows) {
    // In strips, so that repainting the whole screen needs little memory.
    for (int top = exposed.top(); top <= exposed.bottom(); top += stripRows) {
        const QRect strip(exposed.left(), top, exposed.width(),
                          std::min(stripRows, exposed.bottom() + 1 - top));
        const QRect device =
            QRectF(QPointF(strip.topLeft()) * ratio, QSizeF(strip.size()) * ratio).toAlignedRect() &
            coverage.rect();
        if (device.isEmpty())
            continue;
        const QPointF origin = QPointF(device.topLeft()) / ratio;
        QImage pixels(device.size(), QImage::Format_ARGB32_Premultiplied);
        pixels.setDevicePixelRatio(ratio);
        pixels.fill(Qt::transparent);
        {
            QPainter offscreen(&pixels);
            offscreen.translate(-origin);
            paint(offscreen, strip);
        }
        for (int y = 0; y < pixels.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(pixels.scanLine(y));
            uchar *kept = coverage.scanLine(device.y() + y) + device.x();
            for (int x = 0; x < pixels.width(); ++x) {
                const bool keep = qAlpha(line[x]) >= 128;
                line[x] = keep ? qUnpremultiply(line[x]) | 0xff000000u : 0u;
                kept[x] = uchar((kept[x] & ~1u) | (keep ? 1u : 0u));
            }
        }
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(origin, pixels);
        painter.restore();
    }
}

int ShapedOutput::flush() {
    if (m_unsent.isEmpty() || m_held)
        return 0;
    if (m_shape.busy())
        return std::max(1, m_shape.restLeft());
    WindowShape::Rects shown, hidden;
    for (const QRect &area : std::exchange(m_unsent, {}))
        takeChanges(m_coverage, area, shown, hidden);
    m_shape.change(shown, hidden);
    return 0;
}

void ShapedOutput::setHeld(QWidget &view, bool held) {
    m_held = held;
    forget(view); // empty now; the full repaint afterwards shows everything again
}

// Empties the window's shape, before it maps or once the compositor is gone: unshaped, the
// window would turn the screen black. The next paint makes it show what it should.
void ShapedOutput::forget(QWidget &view) {
    m_coverage = QImage();
    m_unsent = QRegion();
    m_shape.setWindow(view.window()->internalWinId());
    m_shape.set({});
}

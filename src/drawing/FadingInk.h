#pragma once

#include "drawing/OverlayEffect.h"
#include "drawing/Renderable.h"

#include <memory>
#include <vector>

// Ink that goes by itself: each finished shape stays a while after the button is released,
// then fades out and is gone `delay` after the release. Its shapes are in no undo history.
class FadingInk : public OverlayEffect {
public:
    // A monotonic clock, in ms.
    static qint64 now();

    static constexpr qint64 defaultDelay = 3000;
    void setDelay(qint64 ms) { m_delay = std::max<qint64>(ms, 200); }
    qint64 delay() const { return m_delay; }
    // How long the fading out takes, the end of the delay: a second, or half a short delay.
    qint64 fadeTime() const { return std::min<qint64>(1000, m_delay / 2); }

    void add(const std::shared_ptr<Renderable> &shape, qint64 releasedAt);
    bool isEmpty() const { return m_shapes.empty(); }
    std::size_t size() const { return m_shapes.size(); }
    // From 1 (as drawn) to 0 (gone) for a shape released at `releasedAt`.
    double opacity(qint64 releasedAt, qint64 now) const;

    // Lets the shapes go whose time is up: returns the area to paint again, where shapes went
    // and where shapes fade.
    QRegion advance(qint64 now) override;
    // How long until the picture next changes: 0 while a shape fades, -1 with no shapes.
    qint64 nextChange(qint64 now) const override;
    // Lets every shape go: returns where they were.
    QRegion clear();

    Layer layer() const override { return Layer::over; }
    bool isShown() const override { return !isEmpty(); }
    // Paints the shapes that reach `area`, dithered as the canvas's shapes.
    void paint(QPainter &painter, const QRect &area, const Paint &how) const override;

private:
    struct Entry {
        std::shared_ptr<Renderable> shape;
        qint64 releasedAt;
    };
    static QRect bounds(const Renderable &shape);

    qint64 m_delay = defaultDelay;
    std::vector<Entry> m_shapes; // oldest first
};

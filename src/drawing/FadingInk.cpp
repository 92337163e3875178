#include "drawing/FadingInk.h"

#include <QPainter>

#include <algorithm>
#include <chrono>

qint64 FadingInk::now() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QRect FadingInk::bounds(const Renderable &shape) {
    return shape.paintedBounds().toAlignedRect().adjusted(-2, -2, 2, 2);
}

void FadingInk::add(const std::shared_ptr<Renderable> &shape, qint64 releasedAt) {
    if (shape && shape->path.elementCount() >= 2)
        m_shapes.push_back({shape, releasedAt});
}

double FadingInk::opacity(qint64 releasedAt, qint64 now) const {
    const qint64 left = releasedAt + m_delay - now;
    if (left <= 0)
        return 0.0;
    return std::min(1.0, double(left) / double(fadeTime()));
}

QRegion FadingInk::advance(qint64 now) {
    QRegion dirty;
    std::erase_if(m_shapes, [&](const Entry &entry) {
        const double opacity = this->opacity(entry.releasedAt, now);
        if (opacity < 1.0)
            dirty += bounds(*entry.shape);
        return opacity <= 0.0;
    });
    return dirty;
}

qint64 FadingInk::nextChange(qint64 now) const {
    if (m_shapes.empty())
        return -1;
    qint64 next = -1;
    for (const Entry &entry : m_shapes) {
        const qint64 fadesAt = entry.releasedAt + m_delay - fadeTime();
        const qint64 wait = std::max<qint64>(0, fadesAt - now);
        next = next < 0 ? wait : std::min(next, wait);
    }
    return next;
}

QRegion FadingInk::clear() {
    QRegion was;
    for (const Entry &entry : m_shapes)
        was += bounds(*entry.shape);
    m_shapes.clear();
    return was;
}

void FadingInk::paint(QPainter &painter, const QRect &area, const Paint &how) const {
    const qint64 now = how.now;
    const bool dithered = how.dithered;
    for (const Entry &entry : m_shapes) {
        if (!bounds(*entry.shape).intersects(area))
            continue;
        const double opacity = this->opacity(entry.releasedAt, now);
        if (opacity <= 0.0)
            continue;
        painter.save();
        painter.setOpacity(opacity);
        entry.shape->dithered = dithered;
        entry.shape->render(painter, QRectF(area).adjusted(-2, -2, 2, 2));
        painter.restore();
    }
}

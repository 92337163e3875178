#include "drawing/DrawingCanvas.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>

void DrawingCanvas::resize(const QSize &size, qreal devicePixelRatio) {
    if (size == m_size && qFuzzyCompare(devicePixelRatio, m_ratio) && !m_image.isNull())
        return;
    m_size = size;
    m_ratio = devicePixelRatio;
    m_image = QImage(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(devicePixelRatio);
    const Drawings baked = std::exchange(m_baked, {});
    rebake(baked, baked.size());
}

void DrawingCanvas::rebake(const Drawings &list, std::size_t count) {
    m_image.fill(Qt::transparent);
    m_baked.clear();
    m_bakedMask = QRegion();
    for (std::size_t i = 0; i < count; ++i)
        bake(*list[i]);
    m_baked.assign(list.begin(), list.begin() + std::ptrdiff_t(count));
}

void DrawingCanvas::bake(Renderable &shape) {
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    shape.render(painter);
    if (m_maskEnabled)
        m_bakedMask += shapeRegion(shape);
}

QRegion DrawingCanvas::sync(const Drawings &list, bool lastIsLive) {
    const std::shared_ptr<Renderable> live = lastIsLive && !list.empty() ? list.back() : nullptr;
    const std::size_t complete = list.size() - (live ? 1 : 0);
    QRegion dirty;

    const std::size_t common = std::min(complete, m_baked.size());
    const bool prefixKept =
        std::equal(m_baked.begin(), m_baked.begin() + std::ptrdiff_t(common), list.begin());
    // Shapes that paint nothing (a press without a drag) may leave without a repaint.
    const bool droppedOnlyEmpty =
        prefixKept && std::all_of(m_baked.begin() + std::ptrdiff_t(common), m_baked.end(),
                                  [](const auto &s) { return s->path.elementCount() < 2; });
    if (prefixKept && droppedOnlyEmpty) {
        m_baked.resize(common);
        for (std::size_t i = common; i < complete; ++i) {
            dirty += list[i]->paintedBounds().toAlignedRect();
            bake(*list[i]);
            m_baked.push_back(list[i]);
        }
    } else {
        rebake(list, complete);
        dirty = QRect(QPoint(0, 0), m_size);
    }

    dirty += liveDirtyArea(live);
    return dirty;
}

QRegion DrawingCanvas::liveDirtyArea(const std::shared_ptr<Renderable> &live) {
    QRegion dirty;
    const auto *line = dynamic_cast<const RenderableLine *>(live.get());
    const bool freehand = line && !line->isModified;
    if (live == m_live && freehand && m_liveFreehand) {
        // The same freehand stroke grew: only its new end and the head changed.
        dirty += line->segmentBounds(m_livePainted).toAlignedRect();
        dirty += m_liveHead;
        m_liveHead = line->headBounds().toAlignedRect();
        dirty += m_liveHead;
    } else {
        dirty += m_liveBounds;
        dirty += m_liveHead;
        // A freehand stroke keeps no bounds while it grows: find what it covered now.
        if (const auto *previous = dynamic_cast<const RenderableLine *>(m_live.get());
            previous && m_liveFreehand)
            dirty += previous->segmentBounds(0).toAlignedRect();
        m_liveBounds = live ? live->paintedBounds().toAlignedRect() : QRect();
        m_liveHead = line ? line->headBounds().toAlignedRect() : QRect();
        dirty += m_liveBounds;
    }
    if (live != m_live) {
        m_liveBody = QRegion();
        m_liveHeadMask = QRegion();
        m_liveMaskElements = 0;
    }
    m_live = live;
    m_liveFreehand = freehand;
    m_livePainted = live ? live->path.elementCount() : 0;
    if (freehand) {
        // A growing stroke's full bounds are only needed once it changes kind (Shift).
        m_liveBounds = QRect();
    }
    if (m_live && m_maskEnabled)
        updateLiveMask();
    return dirty;
}

void DrawingCanvas::paint(QPainter &painter, const QRect &exposed) {
    if (!m_image.isNull())
        painter.drawImage(
            exposed, m_image,
            QRectF(QPointF(exposed.topLeft()) * m_ratio, QSizeF(exposed.size()) * m_ratio));
    if (m_live) {
        painter.save();
        painter.setClipRect(exposed);
        m_live->render(painter, exposed);
        painter.restore();
    }
}

void DrawingCanvas::setMaskEnabled(bool enabled) {
    if (enabled == m_maskEnabled)
        return;
    m_maskEnabled = enabled;
    m_bakedMask = QRegion();
    m_liveBody = QRegion();
    m_liveHeadMask = QRegion();
    m_liveMaskElements = 0;
    if (!enabled)
        return;
    for (const auto &shape : m_baked)
        m_bakedMask += shapeRegion(*shape);
    if (m_live)
        updateLiveMask();
}

QRegion DrawingCanvas::strokeRegion(const QPainterPath &path, double width) {
    if (path.elementCount() < 2)
        return {};
    QPainterPathStroker stroker;
    // The painted joins are mitred; one more pixel on each side covers the antialiased edge.
    // A round cap covers flat and round ends alike.
    stroker.setWidth(width + 2.0);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(2.0 * width / (width + 2.0) + 1.0);
    QRegion region;
    for (const QPolygonF &polygon : stroker.createStroke(path).toFillPolygons())
        region += QRegion(polygon.toPolygon(), Qt::WindingFill);
    return region;
}

QRegion DrawingCanvas::shapeRegion(const Renderable &shape) {
    if (!shape.strokeColor)
        return {};
    QRegion region = strokeRegion(shape.renderedPath(), shape.lineWidth);
    if (const auto *line = dynamic_cast<const RenderableLine *>(&shape); line && line->isArrow) {
        region += strokeRegion(line->arrowHead, RenderableLine::arrowHeadLineWidth);
        region += QRegion(line->arrowHead.toFillPolygon().toPolygon(), Qt::WindingFill);
    }
    return region;
}

void DrawingCanvas::updateLiveMask() {
    const auto *line = dynamic_cast<const RenderableLine *>(m_live.get());
    if (!line || line->isModified) {
        // Simple shapes (and a straightened stroke) are rebuilt whole: their paths are short.
        m_liveBody = shapeRegion(*m_live);
        m_liveHeadMask = QRegion();
        m_liveMaskElements = 0;
        return;
    }
    // A freehand stroke grows by its new segments only, so a long stroke stays cheap.
    if (m_liveMaskElements == 0)
        m_liveBody = QRegion();
    const QPainterPath &path = line->path;
    const int count = path.elementCount();
    for (int i = std::max(1, m_liveMaskElements); i < count; ++i) {
        // The segment with the one before it, so the mitred join between them is covered.
        QPainterPath segment(path.elementAt(std::max(0, i - 2)));
        if (i >= 2)
            segment.lineTo(path.elementAt(i - 1));
        segment.lineTo(path.elementAt(i));
        m_liveBody += strokeRegion(segment, line->lineWidth);
    }
    m_liveMaskElements = count;
    m_liveHeadMask = QRegion();
    if (line->isArrow) {
        // The head is recomputed when it is painted: cover the disc it can reach around the tip.
        const int reach =
            int(RenderableLine::arrowHeadLength + RenderableLine::arrowHeadLineWidth) + 2;
        const QPoint tip = path.currentPosition().toPoint();
        m_liveHeadMask = QRegion(QRect(tip - QPoint(reach, reach), QSize(2 * reach, 2 * reach)),
                                 QRegion::Ellipse);
    }
}

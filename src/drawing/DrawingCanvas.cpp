#include "drawing/DrawingCanvas.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <utility>

// A transparent picture of `devicePixels`, painted on at the canvas's ratio.
QImage DrawingCanvas::clearImage(const QSize &devicePixels) const {
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(m_ratio);
    image.fill(Qt::transparent);
    return image;
}

void DrawingCanvas::resize(const QSize &size, qreal devicePixelRatio) {
    if (size == m_size && qFuzzyCompare(devicePixelRatio, m_ratio))
        return;
    m_size = size;
    m_ratio = devicePixelRatio;
    const Drawings baked = std::exchange(m_baked, {});
    rebuild(baked, baked.size());
}

void DrawingCanvas::rebuild(const Drawings &list, std::size_t count) {
    m_image = QImage(); // an empty screen keeps no image
    m_baked.clear();
    for (std::size_t i = 0; i < count; ++i)
        bake(list[i]);
}

void DrawingCanvas::bake(const std::shared_ptr<Renderable> &shape) {
    m_baked.push_back(shape);
    ++m_bakes;
    if (shape->path.elementCount() < 2 || m_size.isEmpty())
        return; // paints nothing (a press without a drag), or nowhere yet
    if (m_image.isNull())
        m_image = clearImage(m_size * m_ratio);
    QPainter painter(&m_image);
    shape->dithered = m_dithered;
    shape->render(painter);
}

void DrawingCanvas::setDithered(bool dithered) {
    if (dithered == m_dithered)
        return;
    m_dithered = dithered;
    const Drawings baked = std::exchange(m_baked, {});
    rebuild(baked, baked.size());
}

// Paints the finished shapes again where some went or came back: only those that reach the
// area, only into it.
void DrawingCanvas::repaintArea(const QRectF &area) {
    const QRect rect = area.toAlignedRect().adjusted(-1, -1, 1, 1) & QRect(QPoint(0, 0), m_size);
    if (rect.isEmpty())
        return;
    if (m_image.isNull())
        m_image = clearImage(m_size * m_ratio);
    // Into a picture of the area, then over the area: Qt's clip would round the edges of what
    // it cuts a little differently from painting whole.
    QImage part = clearImage(rect.size() * m_ratio);
    {
        QPainter painter(&part);
        painter.translate(-rect.topLeft());
        // A shape's bounds leave out the faintest of its smoothed edge.
        const QRectF near = QRectF(rect).adjusted(-2, -2, 2, 2);
        for (const std::shared_ptr<Renderable> &shape : m_baked) {
            if (shape->path.elementCount() >= 2 && shape->paintedBounds().intersects(near)) {
                shape->dithered = m_dithered;
                shape->render(painter, near); // a long stroke: only its part near the area
            }
        }
    }
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(rect.topLeft(), part);
}

void DrawingCanvas::paintTranslucent(QPainter &painter) {
    if (!m_dithered)
        return paint(painter, QRect(QPoint(0, 0), m_size));
    for (const std::shared_ptr<Renderable> &shape : m_baked) {
        shape->dithered = false;
        shape->render(painter);
        shape->dithered = true;
    }
    if (m_live && (m_baked.empty() || m_baked.back() != m_live)) {
        m_live->dithered = false;
        m_live->render(painter);
        m_live->dithered = true;
    }
}

void DrawingCanvas::setTyped(const std::shared_ptr<RenderableText> &text, int caret,
                             const QString &preedit) {
    m_typed = text;
    m_caret = caret;
    m_preedit = preedit;
}

QRect DrawingCanvas::typedBounds() const {
    return m_typed ? m_typed->typingArea(m_caret, m_preedit).toAlignedRect() : QRect();
}

void DrawingCanvas::paintTyped(QPainter &painter) {
    m_typed->dithered = m_dithered;
    m_typed->render(painter);
    const QColor color = m_typed->strokeColor.value_or(Qt::white);
    QRectF caret = m_typed->caretRect(m_caret);
    if (!m_preedit.isEmpty()) {
        // What is being composed stands at the caret, underlined, the caret after it.
        painter.save();
        painter.setFont(m_typed->font());
        painter.setPen(color);
        const QFontMetricsF metrics(m_typed->font());
        const double width = metrics.horizontalAdvance(m_preedit);
        painter.drawText(caret.topLeft() + QPointF(0, metrics.ascent()), m_preedit);
        painter.fillRect(QRectF(caret.left(), caret.top() + metrics.ascent() + 2, width, 1.5),
                         color);
        painter.restore();
        caret.translate(width, 0);
    }
    painter.fillRect(caret, color);
}

QRegion DrawingCanvas::sync(const Drawings &list, const DrawingsEdit &edit,
                            const std::shared_ptr<Renderable> &liveShape) {
    const std::shared_ptr<Renderable> live =
        !list.empty() && list.back() == liveShape ? liveShape : nullptr;
    QRegion dirty;
    if (edit.revision != m_revision) {
        const bool next = edit.revision == m_revision + 1;
        m_revision = edit.revision;
        bool kept = false;
        if (next && edit.kind == DrawingsEdit::changedIn && !live) {
            // Shapes went or came back (the eraser, its undo): only where they paint changes.
            m_baked = list;
            repaintArea(edit.area);
            dirty += edit.area.toAlignedRect().adjusted(-1, -1, 1, 1);
            kept = true;
        } else if (next && edit.kind == DrawingsEdit::appended) {
            kept = m_baked.size() < list.size();
        } else if (next && edit.kind == DrawingsEdit::removedLast) {
            // The shape that went was not finished yet, or painted nothing: no other changes.
            kept = m_baked.size() <= list.size();
            if (!kept && m_baked.size() == list.size() + 1 &&
                m_baked.back()->path.elementCount() < 2) {
                m_baked.pop_back();
                kept = true;
            }
        }
        if (!kept) {
            rebuild(list, list.size() - (live ? 1 : 0));
            dirty = QRect(QPoint(0, 0), m_size);
        }
    }
    while (m_baked.size() < list.size() && list[m_baked.size()] != live) {
        const std::shared_ptr<Renderable> &shape = list[m_baked.size()];
        // A finished drag is on the screen already; a shape that comes back (redo) is not.
        if (shape != m_live)
            dirty += shape->paintedBounds().toAlignedRect();
        bake(shape);
    }
    dirty += liveDirtyArea(live);
    return dirty;
}

QRegion DrawingCanvas::liveDirtyArea(const std::shared_ptr<Renderable> &live) {
    QRegion dirty;
    const bool freehand = live && live->growsAtItsEnd();
    if (live && live == m_live && freehand && m_liveFreehand) {
        // The same freehand stroke grew: only its new end and the head changed.
        dirty += live->segmentBounds(m_livePainted).toAlignedRect();
        dirty += m_liveHead;
        m_liveHead = live->headBounds().toAlignedRect();
        dirty += m_liveHead;
    } else {
        // A finished shape shows the same pixels from the finished image as it did live.
        const bool finished =
            m_live && live != m_live && !m_baked.empty() && m_baked.back() == m_live;
        if (!finished) {
            dirty += m_liveBounds;
            dirty += m_liveHead;
            // A freehand stroke keeps no bounds while it grows: find what it covered now.
            if (m_live && m_liveFreehand)
                dirty += m_live->segmentBounds(0).toAlignedRect();
        }
        m_liveBounds = live ? live->paintedBounds().toAlignedRect() : QRect();
        m_liveHead = live ? live->headBounds().toAlignedRect() : QRect();
        dirty += m_liveBounds;
    }
    m_live = live;
    m_liveFreehand = freehand;
    m_livePainted = live ? live->path.elementCount() : 0;
    if (freehand) {
        // A growing stroke's full bounds are only needed once it changes kind (Shift).
        m_liveBounds = QRect();
    }
    return dirty;
}

void DrawingCanvas::paint(QPainter &painter, const QRegion &exposed) {
    for (const QRect &rect : exposed) {
        if (!m_image.isNull())
            painter.drawImage(
                rect, m_image,
                QRectF(QPointF(rect.topLeft()) * m_ratio, QSizeF(rect.size()) * m_ratio));
    }
    if (m_live) {
        // Once for the whole area rather than once a rectangle: stroking costs more than filling.
        painter.save();
        painter.setClipRegion(exposed);
        m_live->dithered = m_dithered;
        m_live->render(painter, exposed.boundingRect());
        painter.restore();
    }
    if (m_typed) {
        painter.save();
        painter.setClipRegion(exposed);
        paintTyped(painter);
        painter.restore();
    }
}

#include "drawing/Magnifier.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

void Magnifier::setPicture(const QImage &picture, const QSizeF &viewSize) {
    m_picture = picture;
    m_viewSize = viewSize;
    m_factor = firstFactor;
    m_held = false;
}

bool Magnifier::stepFactor(int notches) {
    if (m_held || notches == 0)
        return false;
    const double before = m_factor;
    m_factor = std::clamp(m_factor * std::pow(1.25, notches), minFactor, maxFactor);
    return m_factor != before;
}

bool Magnifier::moveTo(const QPointF &pointer) {
    const QPointF clamped(std::clamp(pointer.x(), 0.0, m_viewSize.width()),
                          std::clamp(pointer.y(), 0.0, m_viewSize.height()));
    if (m_held || clamped == m_pointer)
        return false;
    m_pointer = clamped;
    return true;
}

QRectF Magnifier::shownPart() const {
    // The part shown is 1/factor of the screen, placed so that the pointer's point stays put.
    const QSizeF size = m_viewSize / m_factor;
    return QRectF(m_pointer - QPointF(m_pointer.x() / m_factor, m_pointer.y() / m_factor), size);
}

QPointF Magnifier::toView(const QPointF &screenPoint) const {
    const QRectF part = shownPart();
    return (screenPoint - part.topLeft()) * m_factor;
}

void Magnifier::paint(QPainter &painter, const QRect &area, const Paint &) const {
    if (m_picture.isNull() || m_viewSize.isEmpty())
        return;
    const QRectF part = shownPart();
    const double sx = m_picture.width() / m_viewSize.width();
    const double sy = m_picture.height() / m_viewSize.height();
    // The source of `area` alone: the rest of the view is not being painted.
    const QRectF source(part.x() + area.x() / m_factor, part.y() + area.y() / m_factor,
                        area.width() / m_factor, area.height() / m_factor);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(
        QRectF(area), m_picture,
        QRectF(source.x() * sx, source.y() * sy, source.width() * sx, source.height() * sy));
    painter.restore();
}

#include "drawing/Spotlight.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

QRect Spotlight::circleArea() const {
    const double reach = m_radius + feather + 1;
    return QRectF(m_centre.x() - reach, m_centre.y() - reach, 2 * reach, 2 * reach).toAlignedRect();
}

QRegion Spotlight::moveTo(const QPointF &centre) {
    if (centre == m_centre)
        return {};
    QRegion dirty = circleArea();
    m_centre = centre;
    return dirty + circleArea();
}

QRegion Spotlight::stepRadius(int notches) {
    QRegion dirty = circleArea();
    m_radius = std::clamp(m_radius * std::pow(1.15, notches), minRadius, maxRadius);
    return dirty + circleArea();
}

void Spotlight::paint(QPainter &painter, const QRect &area, const Paint &) const {
    const QColor dim(0, 0, 0, int(std::lround(255 * dimming)));
    if (!circleArea().intersects(area)) {
        painter.fillRect(area, dim);
        return;
    }
    // Clear inside the circle, dim beyond its soft edge; the gradient pads with its last stop.
    const double outer = m_radius + feather;
    QRadialGradient light(m_centre, outer);
    light.setColorAt(0.0, Qt::transparent);
    light.setColorAt(m_radius / outer, Qt::transparent);
    light.setColorAt(1.0, dim);
    painter.fillRect(area, light);
}

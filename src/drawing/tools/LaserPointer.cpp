#include "drawing/tools/LaserPointer.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

QRect LaserPointer::dotArea(const QPointF &at) const {
    // The glow reaches a dot's width from the centre.
    const double reach = m_width + 2;
    return QRectF(at.x() - reach, at.y() - reach, 2 * reach, 2 * reach).toAlignedRect();
}

QRegion LaserPointer::area() const {
    QRegion region;
    for (std::size_t i = 1; i < m_trail.size(); ++i) {
        const QPointF &a = m_trail[i - 1].at;
        const QPointF &b = m_trail[i].at;
        const double reach = m_width / 2 + 2;
        region += QRectF(QPointF(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                         QPointF(std::max(a.x(), b.x()), std::max(a.y(), b.y())))
                      .adjusted(-reach, -reach, reach, reach)
                      .toAlignedRect();
    }
    if (!m_trail.empty())
        region += dotArea(m_trail.back().at);
    return region;
}

QRegion LaserPointer::moveTo(const QPointF &point, qint64 now) {
    QRegion dirty = advance(now);
    if (!m_trail.empty()) {
        dirty += dotArea(m_trail.back().at);
        if (m_trail.back().at == point) {
            m_trail.back().time = now;
            return dirty;
        }
    }
    m_trail.push_back({point, now});
    return dirty + area();
}

QRegion LaserPointer::advance(qint64 now) {
    if (m_trail.size() < 2)
        return {};
    QRegion dirty = area();
    // The dot itself stays however long the pointer rests.
    while (m_trail.size() > 1 && now - m_trail[1].time >= trailLength)
        m_trail.pop_front();
    if (m_trail.size() == 2 && now - m_trail.front().time >= trailLength)
        m_trail.pop_front();
    return dirty;
}

QRegion LaserPointer::hide() {
    const QRegion was = area();
    m_trail.clear();
    return was;
}

void LaserPointer::paint(QPainter &painter, const QRect &, const Paint &how) const {
    const qint64 now = how.now;
    if (m_trail.empty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 1; i < m_trail.size(); ++i) {
        const double age = std::clamp(double(now - m_trail[i].time) / trailLength, 0.0, 1.0);
        QColor color = m_color;
        color.setAlphaF(float(0.85 * (1 - age)));
        QPen pen(color, m_width * (0.25 + 0.6 * (1 - age)), Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(m_trail[i - 1].at, m_trail[i].at);
    }
    // The dot: a white-hot centre in the colour, with a glow around it.
    const QPointF at = m_trail.back().at;
    QRadialGradient glow(at, m_width);
    QColor edge = m_color;
    edge.setAlpha(0);
    QColor halo = m_color;
    halo.setAlphaF(0.45f);
    glow.setColorAt(0.0, Qt::white);
    glow.setColorAt(0.25, Qt::white);
    glow.setColorAt(0.4, m_color);
    glow.setColorAt(0.55, halo);
    glow.setColorAt(1.0, edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(at, m_width, m_width);
    painter.restore();
}

QRegion LaserPointer::setOn(bool on, const QPointF &at, qint64 now) {
    if (on == m_on)
        return on ? moveTo(at, now) : QRegion();
    m_on = on;
    return on ? moveTo(at, now) : hide();
}

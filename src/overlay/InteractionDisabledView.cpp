#include "overlay/InteractionDisabledView.h"

#include <QPainter>

InteractionDisabledView::InteractionDisabledView(QWidget *parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void InteractionDisabledView::setBackgroundColor(const QColor &color) {
    m_color = color;
    update();
}

void InteractionDisabledView::setRing(bool ring) {
    if (ring != m_ring) {
        m_ring = ring;
        update();
    }
}

void InteractionDisabledView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_ring) {
        painter.setPen(QPen(m_color, 2));
        painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color);
    // Corner radius of half the height: a disc.
    painter.drawRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
}

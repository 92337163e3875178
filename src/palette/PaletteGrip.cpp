#include "palette/PaletteGrip.h"

#include <QMouseEvent>
#include <QPainter>

PaletteGrip::PaletteGrip(QWidget *parent)
    : QWidget(parent) {
    setCursor(Qt::OpenHandCursor);
    setFocusPolicy(Qt::NoFocus);
    //% "Move the palette"
    setAccessibleName(qtTrId("palette.grip"));
    setToolTip(accessibleName());
    resize(60, height);
}

void PaletteGrip::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A dark pill with three light dots: seen on a white slide and on a dark one.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30, 200));
    const QRectF pill = QRectF(rect()).adjusted(0.5, 2.5, -0.5, -2.5);
    painter.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
    painter.setBrush(QColor(255, 255, 255, 220));
    for (int i = -1; i <= 1; ++i)
        painter.drawEllipse(pill.center() + QPointF(i * 8, 0), 1.6, 1.6);
}

void PaletteGrip::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pressedAt = event->globalPosition();
    setCursor(Qt::ClosedHandCursor);
    Q_EMIT pressed();
}

void PaletteGrip::mouseMoveEvent(QMouseEvent *event) {
    if (m_pressedAt)
        Q_EMIT dragged((event->globalPosition() - *m_pressedAt).toPoint());
}

void PaletteGrip::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !m_pressedAt)
        return;
    m_pressedAt.reset();
    setCursor(Qt::OpenHandCursor);
    Q_EMIT released();
}

#include "palette/LayerButton.h"

#include "widgets/ImageView.h"
#include "widgets/RoundedRect.h"

#include <QPainter>
#include <QPainterPath>

LayerButton::LayerButton(QWidget *parent)
    : QAbstractButton(parent) {
    // The overlay handles every key itself; a focused button would take Space and Return.
    setFocusPolicy(Qt::NoFocus);
}

QString LayerButton::description() const {
    return QStringLiteral("<%1: 0x%2>")
        .arg(QLatin1String(metaObject()->className()))
        .arg(quintptr(this), 0, 16);
}

void LayerButton::setAttributedTitle(const QString &title, const QFont &font, const QColor &color) {
    setFont(font);
    m_titleColor = color;
    setText(title);
    update();
}

void LayerButton::setWantsLayer(bool wantsLayer) {
    m_wantsLayer = wantsLayer;
    update();
}

void LayerButton::setBorderWidth(qreal width) {
    m_borderWidth = width;
    update();
}

void LayerButton::setBorderColor(const QColor &color) {
    m_borderColor = color;
    update();
}

void LayerButton::setBackgroundColor(const QColor &color) {
    m_backgroundColor = color;
    update();
}

void LayerButton::setCornerRadius(qreal radius) {
    m_cornerRadius = radius;
    update();
}

void LayerButton::setAlphaValue(qreal alpha) {
    m_alphaValue = alpha;
    for (ImageView *child : findChildren<ImageView *>(Qt::FindDirectChildrenOnly))
        child->setOpacity(alpha);
    update();
}

QSize LayerButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 8, metrics.height() + 4);
}

void LayerButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_alphaValue);

    if (m_wantsLayer) {
        // Logical coordinates throughout: the painter scales to the device, so edges stay
        // sharp at any pixel ratio.
        const QRectF bounds(rect());
        painter.fillPath(RoundedRect::outline(bounds, m_cornerRadius), m_backgroundColor);
        if (m_borderWidth > 0)
            painter.fillPath(RoundedRect::border(bounds, m_cornerRadius, m_borderWidth),
                             m_borderColor);
    }

    if (!text().isEmpty()) {
        painter.setPen(m_titleColor);
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}

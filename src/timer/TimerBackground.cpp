#include "timer/TimerBackground.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

TimerBackground::TimerBackground(QWidget *parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool TimerBackground::wantsLightBackdrop(const QColor &color) {
    // Relative luminance (sRGB); translucent text counts as far as it shows.
    const auto linear = [](qreal c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    const qreal luminance =
        0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
    return rgb.alphaF() > 0.5 && luminance < 0.06;
}

void TimerBackground::setTextColor(const QColor &color) {
    const bool dark = !wantsLightBackdrop(color);
    if (dark == m_dark)
        return;
    m_dark = dark;
    update();
}

void TimerBackground::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRectF area = rect();
    QRadialGradient light(area.center(), std::hypot(area.width(), area.height()) / 2);
    light.setColorAt(0, m_dark ? QColor(0x2a, 0x2a, 0x30) : QColor(0xfa, 0xfa, 0xfc));
    light.setColorAt(1, m_dark ? QColor(0x0b, 0x0b, 0x0d) : QColor(0xd4, 0xd6, 0xdc));
    painter.fillRect(area, light);
}

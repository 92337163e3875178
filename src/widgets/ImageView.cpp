#include "widgets/ImageView.h"

#include <QPainter>

ImageView::ImageView(QWidget *parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageView::setImage(const SvgImage &image) {
    m_image = image;
    update();
}

void ImageView::setOpacity(qreal opacity) {
    m_opacity = opacity;
    update();
}

QRectF ImageView::imageRect() const {
    if (m_image.isNull())
        return {};
    const QRectF bounds(rect());
    QSizeF size = m_image.size();
    if (size.width() > bounds.width() || size.height() > bounds.height())
        size.scale(bounds.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(bounds.center());
    return target;
}

void ImageView::paintEvent(QPaintEvent *) {
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    m_image.render(&painter, imageRect());
}

#include "widgets/FlatButton.h"

#include "platform/dbus/Workspace.h"
#include "widgets/RoundedRect.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVariantAnimation>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {
bool sameColor(const QColor &a, const QColor &b) {
    return a.isValid() == b.isValid() && (!a.isValid() || a.rgba64() == b.rgba64());
}

// Fading from or to no colour goes through the other colour made transparent, not through black.
QColor transparent(QColor color) {
    color.setAlpha(0);
    return color;
}

QRectF frameAt(qreal x, qreal y, QSizeF size) {
    return QRectF(std::round(x), std::round(y), size.width(), size.height());
}
} // namespace

FlatButton::FlatButton(QWidget *parent)
    : QAbstractButton(parent) {
    // Not checkable: clicks do not change the state, and screen readers announce a push
    // button (a form that makes it checkable gets a toggle, its state the checked one).
    // Reached by Tab; a click gives no focus, so no focus ring appears under the pointer.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    for (Fade &fade : m_fades) {
        fade.animation = new QVariantAnimation(this);
        connect(fade.animation, &QVariantAnimation::valueChanged, this,
                [this, &fade](const QVariant &value) {
                    fade.shown = value.value<QColor>();
                    update();
                });
        // The last step may be a transparent stand-in for no colour.
        connect(fade.animation, &QVariantAnimation::finished, this, [this, &fade] {
            fade.shown = fade.target;
            update();
        });
    }
    // Named after what each fades, for whoever inspects the button.
    m_fades[borderFade].animation->setObjectName(QStringLiteral("borderColor"));
    m_fades[backgroundFade].animation->setObjectName(QStringLiteral("backgroundColor"));
    m_fades[imageFade].animation->setObjectName(QStringLiteral("imageColor"));
    m_fades[titleFade].animation->setObjectName(QStringLiteral("titleColor"));
}

void FlatButton::setState(State state) {
    m_state = state;
    if (isCheckable())
        setChecked(state == On);
    animateColorWithState(state);
}

void FlatButton::setTitle(const QString &title) {
    setText(title);
    updateGeometry();
}

void FlatButton::setImage(const SvgImage &image) {
    m_image = image;
    updateGeometry();
    update();
}

void FlatButton::setImagePosition(ImagePosition position) {
    m_imagePosition = position;
    updateGeometry();
    update();
}

void FlatButton::setImageHugsTitle(bool hugs) {
    m_imageHugsTitle = hugs;
    update();
}

void FlatButton::setMomentary(bool momentary) {
    m_momentary = momentary;
    animateColorWithState(state());
}

void FlatButton::setCornerRadius(double radius) {
    m_cornerRadius = radius;
    update();
}

void FlatButton::setBorderWidth(double width) {
    m_borderWidth = width;
    update();
}

void FlatButton::setSpacing(double spacing) {
    m_spacing = spacing;
    updateGeometry();
    update();
}

void FlatButton::storeColor(QColor &slot, const QColor &color) {
    slot = color;
    animateColorWithState(state());
}

void FlatButton::animateColorWithState(State state) {
    const bool on = state == On;
    const double seconds = on ? m_onAnimateDuration : m_offAnimateDuration;
    animateLayer(borderFade, on ? m_borderHighlightColor : m_borderNormalColor, seconds);
    animateLayer(backgroundFade, on ? m_backgroundHighlightColor : m_backgroundNormalColor,
                 seconds);
    animateLayer(imageFade, on ? m_imageHighlightColor : m_imageNormalColor, seconds);
    animateLayer(titleFade, on ? m_titleHighlightColor : m_titleNormalColor, seconds);
}

void FlatButton::animateLayer(Layered which, const QColor &color, double seconds) {
    Fade &fade = m_fades[which];
    // Already there, or on its way: a fade that is running goes on undisturbed.
    if (sameColor(fade.target, color))
        return;
    fade.target = color;
    fade.animation->stop();
    const int milliseconds = qRound(seconds * 1000);
    if (milliseconds <= 0 || (!color.isValid() && !fade.shown.isValid())) {
        fade.shown = color;
        update();
        return;
    }
    // A new fade starts where the colour stands now, so a quick change of state does not jump.
    const QColor from = fade.shown.isValid() ? fade.shown : transparent(color);
    fade.animation->setStartValue(from);
    fade.animation->setEndValue(color.isValid() ? color : transparent(from));
    fade.animation->setDuration(milliseconds);
    fade.animation->start();
}

QSizeF FlatButton::imageSize() const {
    return m_image.isNull() ? QSizeF(0, 0) : m_image.size();
}

QSizeF FlatButton::titleSize() const {
    if (text().isEmpty())
        return QSizeF(0, 0);
    const QFontMetricsF metrics(font());
    return QSizeF(metrics.horizontalAdvance(text()), metrics.height());
}

// Where a layer of size `own` stands beside the other layer (of size `other`): on the `side`
// (-1 before, 1 after, 0 centred) of the axis the image position names. In y-down
// coordinates, so an image "below" has the larger y.
QPointF FlatButton::layerOrigin(const QSizeF &own, const QSizeF &other, int side) const {
    const bool vertical = m_imagePosition == ImageBelow || m_imagePosition == ImageAbove;
    const auto place = [this](qreal length, qreal size, qreal beside, int at) {
        const qreal s = m_spacing;
        if (at < 0)
            return m_imageHugsTitle ? (length - size - beside) / 2 - s : s;
        if (at > 0)
            return m_imageHugsTitle ? (length - size + beside) / 2 + s : length - size - s;
        return (length - size) / 2;
    };
    return {place(width(), own.width(), other.width(), vertical ? 0 : side),
            place(height(), own.height(), other.height(), vertical ? side : 0)};
}

int FlatButton::imageSide() const {
    switch (m_imagePosition) {
    case ImageLeft:
    case ImageLeading:
    case ImageAbove:
        return -1;
    case ImageRight:
    case ImageTrailing:
    case ImageBelow:
        return 1;
    default:
        return 0;
    }
}

FlatButton::Layer FlatButton::imageLayer() const {
    Layer layer{false, QRectF(), m_fades[imageFade].shown};
    if (m_image.isNull() || m_imagePosition == NoImage)
        return layer;
    const QPointF origin = layerOrigin(imageSize(), titleSize(), imageSide());
    layer.shown = true;
    layer.frame = frameAt(origin.x(), origin.y(), imageSize());
    return layer;
}

FlatButton::Layer FlatButton::titleLayer() const {
    Layer layer{false, QRectF(), m_fades[titleFade].shown};
    if (text().isEmpty() || m_imagePosition == ImageOnly)
        return layer;
    const QPointF origin = layerOrigin(titleSize(), imageSize(), -imageSide());
    layer.shown = true;
    layer.frame = frameAt(origin.x(), origin.y(),
                          QSizeF(std::ceil(titleSize().width()), std::ceil(titleSize().height())));
    return layer;
}

QSize FlatButton::sizeHint() const {
    const QSizeF image = m_imagePosition == NoImage ? QSizeF(0, 0) : imageSize();
    const QSizeF title = m_imagePosition == ImageOnly ? QSizeF(0, 0) : titleSize();
    const qreal gap = 2 * m_spacing;
    QSizeF size(std::max(image.width(), title.width()), std::max(image.height(), title.height()));
    if (!image.isEmpty() && !title.isEmpty()) {
        if (m_imagePosition == ImageBelow || m_imagePosition == ImageAbove)
            size.setHeight(image.height() + title.height() + m_spacing);
        else if (m_imagePosition != ImageOverlaps)
            size.setWidth(image.width() + title.width() + m_spacing);
    }
    return QSizeF(size.width() + gap, size.height() + gap).toSize().expandedTo(QSize(1, 1));
}

void FlatButton::paintLayers(QPainter &painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(rect());
    const QPainterPath outline = RoundedRect::outline(bounds, m_cornerRadius);
    // What the button carries is clipped to its rounded bounds.
    painter.setClipPath(outline);
    if (backgroundColor().isValid())
        painter.fillPath(outline, backgroundColor());

    const Layer image = imageLayer();
    if (image.shown && image.color.isValid() && !image.frame.isEmpty()) {
        // The image gives only the shape: its pixels' alpha, filled with the image colour.
        const qreal ratio = painter.device()->devicePixelRatioF();
        const QSize pixels(qCeil(image.frame.width() * ratio), qCeil(image.frame.height() * ratio));
        QImage silhouette(pixels, QImage::Format_ARGB32_Premultiplied);
        silhouette.fill(Qt::transparent);
        QPainter mask(&silhouette);
        m_image.render(&mask, QRectF(QPointF(), QSizeF(pixels)));
        mask.setCompositionMode(QPainter::CompositionMode_SourceIn);
        mask.fillRect(silhouette.rect(), image.color);
        mask.end();
        painter.drawImage(image.frame, silhouette);
    }

    const Layer title = titleLayer();
    if (title.shown && title.color.isValid()) {
        painter.setPen(title.color);
        painter.setFont(font());
        painter.drawText(title.frame, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text());
    }

    // The border lies inside the bounds, over everything the button carries.
    if (m_borderWidth > 0 && borderColor().isValid())
        painter.fillPath(RoundedRect::border(bounds, m_cornerRadius, m_borderWidth), borderColor());
}

void FlatButton::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    if (isEnabled()) {
        painter.save(); // the layers clip to the rounded bounds; the focus frame does not
        paintLayers(painter);
        painter.restore();
    } else {
        // A disabled button fades as one piece: painted whole, then drawn at half opacity, so
        // the background does not show through the title.
        const qreal ratio = devicePixelRatioF();
        QImage layers(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        layers.setDevicePixelRatio(ratio);
        layers.fill(Qt::transparent);
        QPainter layerPainter(&layers);
        paintLayers(layerPainter);
        layerPainter.end();
        painter.setOpacity(0.5);
        painter.drawImage(QPointF(), layers);
        painter.setOpacity(1.0);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

// Only enabled buttons get presses: Qt passes a disabled one's clicks to what lies beneath.
void FlatButton::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_mouseDown = true;
    if (!m_sound.isEmpty())
        Workspace::playSound(m_sound);
    // The background shows the highlight while the button is held, and keeps it should the
    // press leave the button.
    setBackgroundNormalColor(m_backgroundHighlightColor);
}

void FlatButton::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (!m_mouseDown)
        return;
    m_mouseDown = false;
    setBackgroundNormalColor(m_normalColor);
    click();
}

void FlatButton::mouseMoveEvent(QMouseEvent *event) {
    // Qt keeps a held pointer on the button, so leaving shows only as a move outside. A press
    // that left is spent: coming back does not arm it again.
    if (m_mouseDown && !rect().contains(event->position().toPoint()))
        m_mouseDown = false;
}

void FlatButton::leaveEvent(QEvent *event) {
    m_mouseDown = false;
    QAbstractButton::leaveEvent(event);
}

void FlatButton::keyPressEvent(QKeyEvent *event) {
    // Space is Qt's own; Return and Enter press the focused button too, as on a push button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void FlatButton::checkStateSet() {
    animateColorWithState(state());
}

// A click sends the action and leaves the state alone.
void FlatButton::nextCheckState() {}

#include "overlay/ModeSign.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kHeight = 26;
constexpr int kArrow = 14; // the arrow's height; it stands in a square of that size
constexpr int kPadding = 10;
constexpr int kGap = 6;

QFont signFont(QFont font) {
    font.setPixelSize(13);
    font.setWeight(QFont::DemiBold);
    return font;
}
} // namespace

ModeSign::ModeSign(QWidget *parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(text());
    setFont(signFont(font()));
    resize(sizeHint());
}

QString ModeSign::text() const {
    if (!m_message.isEmpty())
        return m_message;
    //% "Pointer mode"
    const QString mode = qtTrId("overlay.pointerMode");
    if (!m_shortcut.isEmpty() && m_trayIcon)
        //% "%1 — press %2 or click the tray icon to draw"
        return qtTrId("overlay.pointerMode.shortcutOrTray").arg(mode, m_shortcut);
    if (!m_shortcut.isEmpty())
        //% "%1 — press %2 to draw"
        return qtTrId("overlay.pointerMode.shortcut").arg(mode, m_shortcut);
    if (m_trayIcon)
        //% "%1 — click the tray icon to draw"
        return qtTrId("overlay.pointerMode.tray").arg(mode);
    //% "%1 — run “quillory --action draw” to draw"
    return qtTrId("overlay.pointerMode.command").arg(mode);
}

void ModeSign::setMessage(const QString &text) {
    m_message = text;
    changed();
}

void ModeSign::setWayBack(const QString &shortcut, bool trayIcon) {
    m_shortcut = shortcut;
    m_trayIcon = trayIcon;
    changed();
}

void ModeSign::changed() {
    setAccessibleName(text());
    resize(sizeHint());
    update();
}

QSize ModeSign::sizeHint() const {
    const int text = fontMetrics().horizontalAdvance(this->text());
    const int arrow = m_message.isEmpty() ? kArrow + kGap : 0;
    return {kPadding + arrow + text + kPadding + 2, kHeight};
}

void ModeSign::setOpaque(bool opaque) {
    if (opaque == m_opaque)
        return;
    m_opaque = opaque;
    update();
}

void ModeSign::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Dark and a little translucent, like the help card: readable over a white slide and over
    // a dark one.
    const QColor background(30, 30, 30, m_opaque ? 255 : 215);
    if (m_opaque) {
        painter.fillRect(rect(), background);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(background);
        painter.drawRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
    }
    if (!m_message.isEmpty()) {
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, m_message);
        return;
    }
    // A pointer arrow, its tip at the top left.
    const QPointF tip(kPadding + 2, (height() - kArrow) / 2.0);
    QPainterPath arrow(tip);
    for (const QPointF &corner : {QPointF(0, 12), QPointF(3.2, 9.2), QPointF(5.6, 14),
                                  QPointF(7.6, 13), QPointF(5.3, 8.4), QPointF(9.5, 8.4)})
        arrow.lineTo(tip + corner);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(30, 30, 30), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    painter.setPen(Qt::white);
    painter.drawText(QRect(kPadding + kArrow + kGap, 0, width(), height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}

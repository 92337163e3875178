#include "drawing/tools/RenderableText.h"

#include "core/Tool.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

RenderableText::RenderableText(const QPointF &point, double width)
    : Renderable(QPainterPath(), width)
    , origin(point) {}

QString RenderableText::actionName() const {
    return qtTrId(tool(Shape::text).undoName);
}

void RenderableText::applyColor(const QColor &color) {
    strokeColor = color;
    fillColor.reset();
}

QFont RenderableText::font() const {
    QFont font;
    font.setPixelSize(qRound(pixelSize(lineWidth)));
    font.setWeight(QFont::DemiBold);
    return font;
}

void RenderableText::setText(const QString &text) {
    m_text = text;
    didUpdateSinceLastRender = true;
    // The path stands for the text's box: what paints nothing has no elements.
    path = QPainterPath();
    if (!text.isEmpty())
        path.addRect(textBounds());
}

QRectF RenderableText::textBounds() const {
    const QFontMetricsF metrics(font());
    const QStringList lines = m_text.split(u'\n');
    double width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QRectF(origin, QSizeF(width, metrics.lineSpacing() * double(lines.size())));
}

QRectF RenderableText::caretRect(int position) const {
    const QFontMetricsF metrics(font());
    const QString before = m_text.left(position);
    const qsizetype lineStart = before.lastIndexOf(u'\n') + 1;
    const double x = metrics.horizontalAdvance(before.mid(lineStart));
    const double y = metrics.lineSpacing() * double(before.count(u'\n'));
    return QRectF(origin + QPointF(x, y), QSizeF(std::max(2.0, lineWidth / 3), metrics.height()));
}

void RenderableText::render(QPainter &painter) {
    if (m_text.isEmpty() || !strokeColor)
        return;
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font());
    painter.setPen(*strokeColor);
    const QFontMetricsF metrics(font());
    QPointF baseline = origin + QPointF(0, metrics.ascent());
    for (const QString &line : m_text.split(u'\n')) {
        painter.drawText(baseline, line);
        baseline.ry() += metrics.lineSpacing();
    }
    painter.restore();
    didUpdateSinceLastRender = false;
}

QRectF RenderableText::paintedBounds() const {
    // Glyphs may lean or hang a little beyond their advance.
    const double slack = pixelSize(lineWidth) / 4 + 1;
    return m_text.isEmpty() ? QRectF() : textBounds().adjusted(-slack, -slack, slack, slack);
}

bool RenderableText::touches(const QPointF &from, const QPointF &to, double radius) const {
    if (m_text.isEmpty())
        return false;
    QPainterPath box;
    box.addRect(textBounds());
    return box.contains(from) || box.contains(to) || strokeTouches(box, 0, from, to, radius);
}

QRectF RenderableText::typingArea(int caret, const QString &preedit) const {
    const QRectF at = caretRect(caret);
    QRectF area = paintedBounds() | at;
    if (!preedit.isEmpty())
        area |= QRectF(
            at.topLeft(),
            QSizeF(QFontMetricsF(font()).horizontalAdvance(preedit) + at.width(), at.height()));
    return area.adjusted(-2, -2, 2, 2);
}

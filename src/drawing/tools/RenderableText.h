#pragma once

#include "drawing/Renderable.h"

#include <QFont>

// Typed text: lines from the click point down (the point is the first line's top left), in the
// selected colour, at a size that follows the line width. It is typed as a whole and becomes
// one shape when the typing ends.
class RenderableText : public Renderable {
public:
    RenderableText(const QPointF &point, double width);

    const QPointF origin;

    // The font's size in pixels at a line width: 14 at 1, 24 at the tool's own 6, 92 at 40.
    static double pixelSize(double width) { return 12.0 + 2.0 * width; }

    QString text() const { return m_text; }
    void setText(const QString &text);
    QFont font() const;
    // Where the caret stands before character `position`, as a thin rectangle.
    QRectF caretRect(int position) const;
    // Where the text paints while it is typed: with its caret before character `caret`, and
    // what an input method composes there (`preedit`), with a margin for smooth edges.
    QRectF typingArea(int caret, const QString &preedit = {}) const;

    Shape kind() const override { return Shape::text; }
    std::vector<QPointF> drawnPoints() const override { return {origin}; }
    QString actionName() const override;
    void applyColor(const QColor &color) override;
    void render(QPainter &painter) override;
    QRectF paintedBounds() const override;
    bool touches(const QPointF &from, const QPointF &to, double radius) const override;

private:
    QRectF textBounds() const;

    QString m_text;
};

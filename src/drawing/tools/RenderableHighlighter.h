#pragma once

#include "drawing/tools/RenderableLine.h"

// A wide translucent marker over what is shown, like a text marker on paper: a light colour
// of the palette colour's hue. One stroke is painted as one path, so it never darkens where
// it crosses itself; a second stroke over it does. Shift straightens it as it does the pen.
class RenderableHighlighter : public RenderableLine {
public:
    // How much of what is under it shows through.
    static constexpr double opacity = 0.4;

    RenderableHighlighter(const QPointF &point, double width);

    Shape kind() const override { return Shape::highlighter; }
    QString actionName() const override;
    void applyColor(const QColor &color) override;

protected:
    QPen strokePen() const override;
};

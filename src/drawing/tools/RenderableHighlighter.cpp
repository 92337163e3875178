#include "drawing/tools/RenderableHighlighter.h"

#include "core/Tool.h"

#include <QPen>

#include <algorithm>

RenderableHighlighter::RenderableHighlighter(const QPointF &point, double width)
    : RenderableLine(false, point, width) {}

QString RenderableHighlighter::actionName() const {
    return qtTrId(tool(Shape::highlighter).undoName);
}

void RenderableHighlighter::applyColor(const QColor &color) {
    // Dark colours lighten so that the text under the marker stays readable.
    QColor light = color.toHsl();
    light.setHslF(light.hslHueF(), light.hslSaturationF(), std::max(light.lightnessF(), 0.6f));
    strokeColor = light.toRgb();
    fillColor.reset();
}

QPen RenderableHighlighter::strokePen() const {
    QColor color = *strokeColor;
    QBrush brush(color, Qt::Dense4Pattern);
    // Without translucency every other pixel is painted: what is under it shows between them.
    if (!dithered) {
        color.setAlphaF(float(opacity));
        brush = QBrush(color);
    }
    return QPen(brush, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

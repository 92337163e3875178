#pragma once

#include "drawing/OverlayEffect.h"

#include <QColor>
#include <QPainter>

#include <optional>

// A white or black board beneath the drawings, covering the screen.
class Board : public OverlayEffect {
public:
    std::optional<QColor> color;

    Layer layer() const override { return Layer::beneath; }
    bool isShown() const override { return color.has_value(); }
    bool opaque() const override { return isShown(); }
    void paint(QPainter &painter, const QRect &area, const Paint &) const override {
        if (color)
            painter.fillRect(area, *color);
    }
};

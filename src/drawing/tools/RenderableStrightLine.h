#pragma once

#include "drawing/Renderable.h"

// A straight segment from the press point to the current point.
class RenderableStrightLine : public Renderable {
public:
    explicit RenderableStrightLine(const QPointF &origin, double width);

    bool isHighlight = true;
    const QPointF origin;

    QString actionName() const override;
    void update(const QPointF &to) override;
};

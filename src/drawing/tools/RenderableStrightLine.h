#pragma once

#include "drawing/Renderable.h"

// A straight segment from the press point to the current point.
class RenderableStrightLine : public Renderable {
public:
    explicit RenderableStrightLine(const QPointF &origin, double width);

    bool isHighlight = true;
    const QPointF origin;

    Shape kind() const override { return Shape::line; }
    std::vector<QPointF> drawnPoints() const override;
    QString actionName() const override;
    void update(const QPointF &to) override;

private:
    std::optional<QPointF> m_to;
};

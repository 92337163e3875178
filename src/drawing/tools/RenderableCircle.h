#pragma once

#include "drawing/Renderable.h"

// The ellipse inscribed in the rectangle with opposite corners `center` (the press point,
// despite its name) and the current point.
class RenderableCircle : public Renderable {
public:
    explicit RenderableCircle(const QPointF &center, double width);

    const QPointF center;

    // Outlined only.
    void applyColor(const QColor &color) override;
    Shape kind() const override { return Shape::circle; }
    std::vector<QPointF> drawnPoints() const override;
    QString actionName() const override;
    void update(const QPointF &to) override;

private:
    std::optional<QPointF> m_to;
};

#pragma once

#include "drawing/Renderable.h"

// A rectangle with corners rounded by 2 points, spanned by the press point and the current
// point in either drag direction.
class RenderableRect : public Renderable {
public:
    explicit RenderableRect(const QPointF &origin, double width);

    bool isHighlight = true;
    const QPointF origin;

    // A faint fill under the outline keeps what the rectangle frames legible.
    void applyColor(const QColor &color) override;
    Shape kind() const override { return Shape::rect; }
    std::vector<QPointF> drawnPoints() const override;
    QString actionName() const override;
    void update(const QPointF &to) override;

private:
    std::optional<QPointF> m_to;
};

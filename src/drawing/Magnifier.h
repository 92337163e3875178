#pragma once

#include "drawing/OverlayEffect.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>

// The zoom: a still picture of the screen, shown magnified around the pointer. The point under
// the pointer stays where it is, so moving towards an edge brings that edge into view.
class Magnifier : public OverlayEffect {
public:
    static constexpr double firstFactor = 2.0;
    static constexpr double minFactor = 1.25;
    static constexpr double maxFactor = 8.0;

    // The screen's picture at its device pixels, for a view of `viewSize`; a null picture ends
    // the zoom.
    void setPicture(const QImage &picture, const QSizeF &viewSize);
    const QImage &picture() const { return m_picture; }

    double factor() const { return m_factor; }
    // A wheel notch zooms in (or, negative, out) by 1.25×, within the bounds. Answers whether
    // the view changed.
    bool stepFactor(int notches);
    // Follows the pointer; answers whether the view changed.
    bool moveTo(const QPointF &pointer);
    // Once something is drawn on the picture, it stays as it is: no panning, no zooming.
    void setHeld(bool held) { m_held = held; }
    bool isHeld() const { return m_held; }

    // The part of the screen shown, in view coordinates.
    QRectF shownPart() const;
    // Where a point of the screen shows in the view.
    QPointF toView(const QPointF &screenPoint) const;

    Layer layer() const override { return Layer::beneath; }
    bool isShown() const override { return !m_picture.isNull(); }
    bool opaque() const override { return isShown(); }
    QRegion follow(const QPointF &point, qint64) override {
        return moveTo(point) && isShown() ? viewArea() : QRegion();
    }
    bool takesWheel() const override { return isShown(); }
    QRegion turnWheel(int notches) override {
        return isShown() && stepFactor(notches) ? viewArea() : QRegion();
    }
    void paint(QPainter &painter, const QRect &area, const Paint &how = {}) const override;

private:
    QRect viewArea() const { return QRect(QPoint(), m_viewSize.toSize()); }

    QImage m_picture;
    QSizeF m_viewSize;
    QPointF m_pointer;
    double m_factor = firstFactor;
    bool m_held = false;
};

#pragma once

#include "drawing/Renderable.h"

#include <QImage>
#include <QRegion>

#include <memory>
#include <vector>

// The overlay's pixels. Finished shapes are painted once into a device-pixel image; only the
// shape being drawn is rendered on every repaint, and only the area it changed is repainted.
// So a drag costs the same with 10 shapes on the screen as with 1000, and the pixels are
// exactly those of rendering every shape in order.
class DrawingCanvas {
public:
    void resize(const QSize &size, qreal devicePixelRatio);
    QSize size() const { return m_size; }

    // Brings the canvas in line with the list; with `lastIsLive` the newest shape is still
    // being drawn. Returns the area (view coordinates) to repaint.
    QRegion sync(const Drawings &list, bool lastIsLive);

    // Paints the finished image and the live shape into the exposed rectangle.
    void paint(QPainter &painter, const QRect &exposed);

    // For desktops without a compositor: the area the shapes cover, so the window can be
    // shaped to it. Kept up to date only while enabled.
    void setMaskEnabled(bool enabled);
    QRegion mask() const { return m_bakedMask + m_liveBody + m_liveHeadMask; }

    const QImage &finishedImage() const { return m_image; }
    std::size_t bakedCount() const { return m_baked.size(); }

private:
    void rebake(const Drawings &list, std::size_t count);
    void bake(Renderable &shape);
    QRegion liveDirtyArea(const std::shared_ptr<Renderable> &live);
    void updateLiveMask();
    static QRegion strokeRegion(const QPainterPath &path, double width);
    static QRegion shapeRegion(const Renderable &shape);

    QSize m_size;
    qreal m_ratio = 1.0;
    QImage m_image;
    Drawings m_baked;
    std::shared_ptr<Renderable> m_live;
    QRect m_liveBounds; // what the live shape covered at the last sync (not for freehand)
    QRect m_liveHead;   // where a live arrow's head may paint
    bool m_liveFreehand = false;
    int m_livePainted = 0; // path elements of the live shape at the last sync

    bool m_maskEnabled = false;
    QRegion m_bakedMask;
    QRegion m_liveBody;
    QRegion m_liveHeadMask;
    int m_liveMaskElements = 0; // elements of a freehand live stroke already in m_liveBody
};

#include "overlay/CompositedOutput.h"

#include <QPainter>

void CompositedOutput::paint(QWidget &, QPainter &painter, const QRegion &area,
                             const OverlayScene &scene) {
    for (const QRect &rect : area)
        scene.paintBeneath(painter, rect);
    scene.paintDrawings(painter, area);
    painter.save();
    painter.setClipRegion(area);
    scene.paintOver(painter, area.boundingRect(), false);
    painter.restore();
}

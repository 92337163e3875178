#pragma once

#include "overlay/OverlayOutput.h"

// With a compositor: a translucent window, painted as it is.
class CompositedOutput : public OverlayOutput {
public:
    bool dithered() const override { return false; }
    void paint(QWidget &view, QPainter &painter, const QRegion &area,
               const OverlayScene &scene) override;
};

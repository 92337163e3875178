#pragma once

#include "overlay/OverlayScene.h"

class QWidget;

// How the overlay's pixels reach the screen: one implementation per way of showing it. The
// view paints through the output in its paint event, and asks it before each frame.
class OverlayOutput {
public:
    virtual ~OverlayOutput() = default;
    // Whether translucent pixels have to be dithered (the window shows no translucency).
    virtual bool dithered() const = 0;
    virtual void paint(QWidget &view, QPainter &painter, const QRegion &area,
                       const OverlayScene &scene) = 0;
    // How many milliseconds new pixels should wait before they are painted (0: none).
    virtual int waitBeforePainting() const { return 0; }
    // Sends what the last paints changed, where that takes a request of its own: answers in
    // how many milliseconds to try again with what could not go yet (0: all went).
    virtual int flush() { return 0; }
    // The window shows nothing until it is painted afresh (before it maps).
    virtual void forget(QWidget &) {}
    // While held (a screenshot of what is beneath is taken) the window shows nothing at all;
    // afterwards the view paints everything again.
    virtual void setHeld(QWidget &, bool) {}
    // The output is replaced by another: the window shows as a plain window again.
    virtual void end() {}
};

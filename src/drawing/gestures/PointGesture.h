#pragma once

#include "drawing/gestures/Gesture.h"

// The laser pointer's gesture: a press draws nothing (the dot is the overlay's effect).
class PointGesture : public Gesture {
public:
    using Gesture::Gesture;
    void press(const QPointF &) override {}
};

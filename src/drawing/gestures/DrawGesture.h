#pragma once

#include "drawing/Renderable.h"
#include "drawing/gestures/Gesture.h"

// Draws a shape of the selected tool (made by the tool factory): in the list and the undo
// history from the press on, or, with fading ink, in the list until the release only.
class DrawGesture : public Gesture {
public:
    using Gesture::Gesture;
    void press(const QPointF &point) override;
    void drag(const QPointF &point) override;
    void release() override;
    bool inProgress() const override { return bool(m_live); }
    void interrupt() override;
    void putDown() override;
    // The shape being drawn; null between drags.
    const std::shared_ptr<Renderable> &live() const { return m_live; }

private:
    std::shared_ptr<Renderable> m_live;
};

#pragma once

#include "drawing/gestures/Gesture.h"

#include <optional>

// The eraser: takes away every shape its path touches (the eraser's reach is its line width),
// one undo step a drag however many moves it took.
class EraseGesture : public Gesture {
public:
    using Gesture::Gesture;
    void press(const QPointF &point) override;
    void drag(const QPointF &point) override;
    void release() override { m_from.reset(); }
    bool inProgress() const override { return m_from.has_value(); }
    void interrupt() override { m_from.reset(); }

private:
    void eraseAlong(const QPointF &to);

    std::optional<QPointF> m_from; // where the pointer was
    quint64 m_drag = 0;            // which drag it is: one undo step each
};

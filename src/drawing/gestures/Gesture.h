#pragma once

#include "core/Tool.h"

#include <QPointF>

#include <memory>

class DrawingViewModel;
class QInputMethodEvent;
class QKeyEvent;

// What a press, drag and release with a tool do: one class per kind of tool (Tool::Gesture),
// working on the drawing model it belongs to. A gesture in progress ends when anything else
// changes the shape list (an undo, Escape, a screen switch).
class Gesture {
public:
    explicit Gesture(DrawingViewModel &model)
        : m_model(model) {}
    virtual ~Gesture() = default;
    Gesture(const Gesture &) = delete;
    Gesture &operator=(const Gesture &) = delete;

    // Points in view coordinates.
    virtual void press(const QPointF &point) = 0;
    virtual void drag(const QPointF &) {}
    virtual void release() {}
    // Whether a drag of the gesture is in progress (from the press to the release).
    virtual bool inProgress() const { return false; }
    // Ends what is in progress because the list changes under it: it stays as it is.
    virtual void interrupt() {}
    // Ends what is in progress because the list changes hands (a screen or surface switch): a
    // lone press leaves nothing behind.
    virtual void putDown() { interrupt(); }
    // While the gesture holds the keyboard (a text being typed), its keys and the input
    // method's text: each answers whether it took it.
    virtual bool holdsKeyboard() const { return false; }
    virtual bool key(const QKeyEvent &) { return false; }
    virtual void inputMethod(const QInputMethodEvent &) {}

protected:
    DrawingViewModel &m_model;
};

// The gesture of each kind, for `model`.
std::unique_ptr<Gesture> makeGesture(Tool::Gesture kind, DrawingViewModel &model);

#pragma once

#include "platform/KeyEvent.h"
#include "platform/x11/PointerStream.h"

#include <QObject>
#include <QPointer>
#include <QRegion>

class DrawingView;
class DrawingViewModel;
class PointerGrab;
class QInputMethodEvent;
class QKeyEvent;
class QUndoStack;
class QWidget;

// The overlay window's input: Qt's pointer, key, wheel and input-method events, the pointer
// stream's batches (a frame's worth of moves at a time, with a tablet's pressure) and the
// pointer grab (without a compositor). It turns them into the model's pointer and key calls,
// undo and redo, moves the view's brush, and tells how the wheel turned.
class OverlayInput : public QObject {
    Q_OBJECT
public:
    OverlayInput(DrawingViewModel &model, QUndoStack &undo, QObject *parent = nullptr);

    void attach(QWidget *window, DrawingView *view);
    // Where the pointer goes through to the windows below.
    void setPassThrough(const QRegion &region);
    void setFrameInterval(int ms);
    // The pointer's shape over the drawing area, where the stream reads the pointer.
    void setCursor(const QCursor &shape);
    // Grabs the pointer for `window` (without a compositor, while it draws) or lets it go.
    void setGrabbed(bool grabbed);
    // While another surface takes the input (the native one in a Wayland session) the X
    // server knows nothing of its keys: whether Shift is held comes with the key events, and a
    // pen's pressure with its tablet events.
    void setKeyboardElsewhere(bool elsewhere) { m_keyboardElsewhere = elsewhere; }

Q_SIGNALS:
    // A wheel notch is 120; with `control` Ctrl was held.
    void wheelTurned(int angle, bool control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One pointer event, from Qt or from the stream: where, whether the left button is held once
    // it is through, and whether Shift is.
    void pointerEvent(PointerStream::Kind kind, const QPointF &point, bool leftButton, bool shift);
    void pointerSamples(const QList<PointerStream::Sample> &samples);
    bool keyDown(QKeyEvent *event);
    // Whether Qt's shortcuts have to leave a key to the overlay.
    bool ownsKey(QKeyEvent *event) const;
    void flagsChanged(bool shift);
    // Whether Shift is held once `event` is through, the other Shift key too.
    bool shiftHeld(const QKeyEvent &event) const;

    DrawingViewModel &m_model;
    QUndoStack &m_undo;
    QPointer<QWidget> m_window;
    QPointer<DrawingView> m_view;
    PointerGrab *m_grab;
    PointerStream *m_stream;
    bool m_keyboardElsewhere = false;
};

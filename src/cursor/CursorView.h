#pragma once

#include "overlay/InteractionDisabledView.h"
#include "platform/x11/WindowShape.h"

#include <QPointF>
#include <QWidget>

// The cursor highlight's content: a red disc, 50 pixels across, over the window's background.
// Without a compositor the window's background cannot be translucent, so the window is shaped
// to the disc alone.
class CursorView : public QWidget {
    Q_OBJECT
public:
    static constexpr int brushSize = 50;

    explicit CursorView(QWidget *parent = nullptr);

    // The disc; it takes no mouse events.
    InteractionDisabledView *const brush;

    // Centres the disc on `location`, in window coordinates.
    void moveBrush(QPointF location);
    // Whether the window shows the disc alone.
    void setShaped(bool shaped);
    bool isShaped() const { return m_shaped; }

private:
    void shapeToBrush();

    WindowShape m_shape;
    bool m_shaped = false;
};

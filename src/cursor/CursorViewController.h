#pragma once

#include "cursor/CursorView.h"

#include <QObject>
#include <QPoint>

class CompositorWatcher;
class PointerWatcher;

// Moves the disc with the pointer, which it learns of from the X server (the window takes no
// pointer events of its own), and shapes the window to the disc while no compositor runs.
class CursorViewController : public QObject {
    Q_OBJECT
public:
    CursorViewController(PointerWatcher &pointer, CompositorWatcher &compositor,
                         QObject *parent = nullptr);

    CursorView *view() const { return m_view; }
    // Makes the view, in `window`, and follows the pointer and the compositor from then on.
    void loadView(QWidget *window);
    void viewDidLoad();

    // Puts the disc under the pointer at `global`; false, leaving it where it was, when the
    // pointer is over another screen than the window's.
    bool placeBrush(QPoint global);
    void mouseMoved(QPoint global);
    void mouseDown();
    void mouseUp();

private:
    void followCompositor(bool running);

    PointerWatcher &m_pointer;
    CompositorWatcher &m_compositor;
    CursorView *m_view = nullptr;
    bool m_buttonDown = false;
};

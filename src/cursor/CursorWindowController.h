#pragma once

#include "cursor/CursorTransparentWindow.h"
#include "cursor/CursorViewController.h"

#include <QObject>

#include <memory>

class CompositorWatcher;
class PointerWatcher;

// Owns the cursor highlight's window and its content controller, and shows and hides it.
// While hidden it watches nothing.
class CursorWindowController : public QObject {
    Q_OBJECT
public:
    CursorWindowController(PointerWatcher &pointer, CompositorWatcher &compositor,
                           QObject *parent = nullptr);
    ~CursorWindowController() override;

    CursorTransparentWindow *window() const { return m_window.get(); }
    CursorViewController &contentViewController() { return m_content; }
    bool isShown() const { return m_window->isVisible() || m_unseen; }

    // Shows the highlight with the disc under the pointer, without taking the focus.
    void showWindow(QObject *sender = nullptr);
    void close();
    // Off the screen while a screenshot is taken, which shows the screen without the pointer;
    // back afterwards if it was shown.
    void stepAside(bool aside);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void windowDidLoad();

    PointerWatcher &m_pointer;
    bool m_steppedAside = false;
    bool m_unseen = false; // on, but hidden while the pointer is where it cannot be seen
    std::unique_ptr<CursorTransparentWindow> m_window;
    CursorViewController m_content;
};

#pragma once

#include "cursor/CursorTransparentWindow.h"
#include "cursor/CursorViewController.h"

#include <QObject>
#include <QTimer>

#include <memory>

class CompositorWatcher;
class PassThroughSurface;
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
    bool isShown() const { return onScreen() || m_unseen; }
    // In a Wayland session without layer-shell (GNOME) the highlight shows on two windows
    // without input made for it, the backdrop and the disc, rather than on its own window, which
    // GNOME lets no click through. There X hears of the pointer only while it is over X
    // windows, and not when it leaves them: the highlight goes when it has not seen the pointer
    // move for a moment, and comes back at the next move it sees.
    void setInputlessWindows(std::unique_ptr<PassThroughSurface> backdrop,
                             std::unique_ptr<PassThroughSurface> disc);

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
    // Shows the highlight, or takes it off the screen, wherever it shows.
    void setOnScreen(bool shown);
    bool onScreen() const;
    // The disc's picture, where the pointer is, on its window without input.
    void showDisc();
    // Off the screen until the pointer is seen to move again.
    void lostSight();

    PointerWatcher &m_pointer;
    bool m_steppedAside = false;
    bool m_unseen = false; // on, but hidden while the pointer is where it cannot be seen
    std::unique_ptr<CursorTransparentWindow> m_window;
    CursorViewController m_content;
    std::unique_ptr<PassThroughSurface> m_backdrop;
    std::unique_ptr<PassThroughSurface> m_disc;
    // How long the highlight stays, on windows without input, after the last move it saw.
    static constexpr int restMs = 1500;
    QTimer m_rest;
};

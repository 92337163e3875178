#pragma once

#include "drawing/DrawingViewModel.h"
#include "overlay/DrawingView.h"
#include "platform/x11/PointerStream.h"

#include <QObject>
#include <QPointer>
#include <QUndoStack>

class CompositorWatcher;
class QInputMethodEvent;
class NotificationCenter;
class PreferenceStore;
class ScreenDaemon;
class TransparentWindow;

// What the overlay works with; main hands the application's own.
struct OverlayServices {
    PreferenceStore &preferences;
    ScreenDaemon &screens;
    CompositorWatcher &compositor;
    NotificationCenter &notifications;
    DrawingHooks &hooks;
};

// Connects the overlay's view with its model: forwards pointer and key events, keeps the view
// and the palette in line with the model, and follows the screen under the pointer.
class DrawingViewController : public QObject {
    Q_OBJECT
public:
    explicit DrawingViewController(const OverlayServices &services, QObject *parent = nullptr);
    ~DrawingViewController() override;

    // The last controller whose view was loaded.
    static QPointer<DrawingViewController> current;

    // How many drawing steps can be undone: a long talk keeps the newest, not every stroke it
    // ever drew (a clear holds the shapes it cleared).
    static constexpr int undoLimit = 500;
    QUndoStack undoManager;
    DrawingViewModel model;

    DrawingView *view() const { return m_view; }
    // Puts the view into the window and binds everything.
    void loadView(TransparentWindow *window);
    void viewDidAppear();

    void moveToScreen(QScreen *screen);
    bool performKeyEquivalent(const KeyEvent &event) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void viewDidLoad();
    // One pointer event, from Qt or from the stream: where, whether the left button is held once
    // it is through, and whether Shift is.
    void pointerEvent(PointerStream::Kind kind, const QPointF &point, bool leftButton, bool shift);
    void pointerSamples(const QList<PointerStream::Sample> &samples);
    void passPointerThrough();
    void mouseDown(const QPointF &point);
    void mouseDragged(const QPointF &point);
    void mouseMoved(const QPointF &point);
    void mouseUp();
    bool keyDown(QKeyEvent *event);
    // While a text is typed every key but a command goes to it.
    bool typingKey(QKeyEvent *event);
    void inputMethod(QInputMethodEvent *event);
    void wheelTurned(int angle);
    void loadLineWidths();
    void selectionChanged();
    void flagsChanged(bool shift);
    void moveBrush(const QPointF &point);
    void followCompositor(bool running);

    PreferenceStore &m_preferences;
    ScreenDaemon &m_screens;
    CompositorWatcher &m_compositor;
    NotificationCenter &m_notifications;
    DrawingHooks &m_hooks;
    QPointer<TransparentWindow> m_window;
    QPointer<DrawingView> m_view;
    class PointerGrab *m_grab = nullptr;
    PointerStream *m_stream = nullptr;
    int m_wheelAngle = 0;
};

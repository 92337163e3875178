#pragma once

#include "core/OverlayMode.h"
#include "drawing/DrawingViewModel.h"
#include "overlay/DrawingView.h"
#include "platform/x11/PointerStream.h"

#include <QElapsedTimer>
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

    // Drawing, or letting the pointer through (pointer mode): then the window takes no clicks,
    // no drag and no wheel (its input shape is empty, the pointer is not grabbed and the pointer
    // stream's window lets everything through), the shape being drawn and the text being typed
    // are finished, and the view shows its sign. Hiding the overlay returns it to drawing.
    OverlayMode mode() const { return m_mode; }
    void setMode(OverlayMode mode);

    // The effects that go on and off: fading ink (remembered), the spotlight, the zoom and the
    // boards (which end when the overlay hides). A zoom starts once the screen's picture is
    // there; an effect that cannot work here says so on the screen and in the log instead.
    bool isOn(Toggle toggle) const;
    void setOn(Toggle toggle, bool on);
    void toggle(Toggle toggle) { setOn(toggle, !isOn(toggle)); }
    // The zoom's picture of the screen, as asked for by zoomPictureRequested; null: none.
    void showZoomPicture(const QImage &picture);
    double zoomFactor() const;
    // Whether a zoom waits for its picture.
    bool zoomPending() const { return m_zoomAsked; }
    // How long fading ink stays, from the release to gone.
    void setFadeDelay(qint64 ms);

    void moveToScreen(QScreen *screen);
    bool performKeyEquivalent(const KeyEvent &event) const;

Q_SIGNALS:
    void modeChanged(OverlayMode mode);
    // The overlay's key for pointer mode was pressed.
    void pointerModeRequested();
    // A zoom wants a picture of `screen` as a screenshot takes it; showZoomPicture() gets it.
    void zoomPictureRequested(QScreen *screen);

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
    // A wheel notch is 120; Ctrl+wheel sets the line width, the plain wheel the zoom or the
    // spotlight's size.
    void wheelTurned(int angle, bool control);
    void followSurface(Surface surface);
    // The zoom's picture, asked for and not yet there, is not wanted any more.
    void dropZoomPicture();
    void showLaser();
    void loadLineWidths();
    // Each tool's line width, in palette order, as stored.
    QList<qint64> lineWidths() const;
    void selectionChanged();
    void flagsChanged(bool shift);
    void moveBrush(const QPointF &point);
    // Where the pointer is now, however it got there (a warp moves no device).
    void moveBrushToPointer();
    void followCompositor(bool running);
    // Whether the pointer is grabbed: without a compositor, while the window shows and draws.
    void followPointer();

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
    bool m_zoomAsked = false;
    QElapsedTimer m_zoomAskedAt;
    OverlayMode m_mode = OverlayMode::draw;
    QList<qint64> m_storedWidths; // what the preference holds, as read or last written
};

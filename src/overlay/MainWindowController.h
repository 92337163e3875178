#pragma once

#include "overlay/DrawingViewController.h"
#include "overlay/TransparentWindow.h"
#include "platform/PassThroughSurface.h"

#include <QObject>
#include <QPointer>
#include <memory>

class AppActivation;
class QInputEvent;
class QKeyEvent;
class QSinglePointEvent;

// Owns the overlay window and its content controller, and shows and closes the overlay.
class MainWindowController : public QObject {
    Q_OBJECT
public:
    MainWindowController(const OverlayServices &services, AppActivation &activation,
                         QObject *parent = nullptr);
    ~MainWindowController() override;

    TransparentWindow *window() const { return m_window.get(); }
    DrawingViewController &contentViewController() { return m_content; }

    // Shows the overlay on the screen under the pointer, in front and focused, drawing.
    void showWindow(QObject *sender = nullptr);
    // Shows the overlay in pointer mode, or leaves it where it is: the drawings stay on the
    // screen and everything else goes to the programs below, the keyboard too.
    void letPointerThrough();
    // Takes the overlay off the screen; its drawings stay.
    void close();
    // Whether the overlay is on the screen, as its window or as the pass-through surface.
    bool isShown() const;
    // What shows it now: "x11" (the window, or the X window made for pointer mode) or
    // "layer-shell" (the native surface).
    QString outputName() const;
    // In a Wayland session pointer mode shows the drawings on a surface that takes no input,
    // and the overlay's window, which would take the clicks, steps away meanwhile. A surface
    // that can take the input shows the overlay while it draws too, and the window steps away
    // whenever the overlay shows.
    void setPassThrough(PassThroughSurface *surface);

private:
    // Ends showing the drawings on the pass-through surface, if they are there.
    void takeBack();
    // Whether the pass-through surface shows the overlay while it draws too, taking its input.
    bool drawsOnSurface() const { return m_passThrough && m_passThrough->takesInput(); }
    // Shows the overlay on that surface in `mode`, or switches the shown surface to it.
    void showOnSurface(OverlayMode mode);
    // Input from that surface, to the window's widgets as Qt gives them the window's own.
    void deliver(QInputEvent *event);
    void deliverKey(QKeyEvent *event);
    void sendPointer(QWidget *target, QSinglePointEvent &event);

    ScreenDaemon &m_screens;
    AppActivation &m_activation;
    std::unique_ptr<TransparentWindow> m_window;
    DrawingViewController m_content;
    PassThroughSurface *m_passThrough = nullptr;
    QPointer<QWidget> m_pressedOn; // takes the pointer until its buttons are up, as in Qt
};

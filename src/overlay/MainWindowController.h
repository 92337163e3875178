#pragma once

#include "overlay/DrawingViewController.h"
#include "overlay/TransparentWindow.h"

#include <QObject>
#include <memory>

class AppActivation;
class PassThroughSurface;

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
    // and the overlay's window, which would take the clicks, steps away meanwhile.
    void setPassThrough(PassThroughSurface *surface);

private:
    // Ends showing the drawings on the pass-through surface, if they are there.
    void takeBack();

    ScreenDaemon &m_screens;
    AppActivation &m_activation;
    std::unique_ptr<TransparentWindow> m_window;
    DrawingViewController m_content;
    PassThroughSurface *m_passThrough = nullptr;
};

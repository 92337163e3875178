#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// Activation the way a tray utility needs it: "active" from activate() until hide(). Hiding
// takes every application window off the screen and activating brings back the ones it hid,
// like the reference host's hide/unhide. Qt's own focus-based state is not used: an overlay
// on a desktop without a window manager may lose the focus to the root window and must still
// count as shown.
class AppActivation : public QObject {
    Q_OBJECT
public:
    static AppActivation &shared();

    bool isActive() const { return m_active; }
    // Shows the windows hidden by hide(), raises `front` (if given) and gives it the focus.
    void activate(QWidget *front = nullptr);
    void hide();

Q_SIGNALS:
    void didBecomeActive();
    void didResignActive();

private:
    bool m_active = false;
    QList<QPointer<QWidget>> m_hiddenWindows;
};

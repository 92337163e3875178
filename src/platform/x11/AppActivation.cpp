#include "platform/x11/AppActivation.h"

#include "platform/x11/X11.h"

#include <QApplication>
#include <QWindow>

AppActivation::AppActivation(QObject *parent)
    : QObject(parent) {
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (followsApplicationState())
                    setActive(state == Qt::ApplicationActive);
            });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *window) {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (window && widget->windowHandle() == window)
                m_lastFocused = widget;
        }
    });
}

bool AppActivation::followsApplicationState() const {
    // Off X11 (offscreen tests) there is no window manager to ask; Qt's state is all there is
    // only where one runs.
    return X11::windowManagerRunning();
}

bool AppActivation::isActive() const {
    return m_active;
}

void AppActivation::setActive(bool active) {
    if (active == m_active)
        return;
    m_active = active;
    if (active)
        Q_EMIT didBecomeActive();
    else
        Q_EMIT didResignActive();
}

void AppActivation::activate(QWidget *front) {
    if (!front || !front->isVisible())
        front = m_lastFocused && m_lastFocused->isVisible() ? m_lastFocused.data() : nullptr;
    if (front) {
        front->raise();
        front->activateWindow();
        m_lastFocused = front;
    }
    if (!followsApplicationState() || QGuiApplication::applicationState() == Qt::ApplicationActive)
        setActive(true);
}

void AppActivation::hide() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        // The tray icon is a window of ours too on X11 (an embedded one); it stays.
        if (window->isVisible() && !window->inherits("QSystemTrayIconSys") &&
            !m_keptShown.contains(window))
            window->hide();
    }
    setActive(false);
}

void AppActivation::resign(bool leaveFocus) {
    xcb_connection_t *conn = leaveFocus ? nullptr : X11::connection();
    if (conn) {
        const XcbReply<xcb_get_input_focus_reply_t> focus(
            xcb_get_input_focus_reply(conn, xcb_get_input_focus(conn), nullptr));
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (focus && window->internalWinId() && focus->focus == window->internalWinId()) {
                xcb_set_input_focus(conn, XCB_INPUT_FOCUS_POINTER_ROOT,
                                    XCB_INPUT_FOCUS_POINTER_ROOT, XCB_CURRENT_TIME);
                xcb_flush(conn);
                break;
            }
        }
    }
    setActive(false);
}

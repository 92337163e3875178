#include "platform/AppActivation.h"

#include <QApplication>

AppActivation &AppActivation::shared() {
    static AppActivation activation;
    return activation;
}

void AppActivation::activate(QWidget *front) {
    const QList<QPointer<QWidget>> windows = std::exchange(m_hiddenWindows, {});
    for (const QPointer<QWidget> &window : windows) {
        if (window && window != front)
            window->show();
    }
    if (front) {
        front->show();
        front->raise();
        front->activateWindow();
    }
    if (!m_active) {
        m_active = true;
        Q_EMIT didBecomeActive();
    }
}

void AppActivation::hide() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        // The tray icon is a window of ours too on X11 (an embedded one); it stays.
        if (window->isVisible() && !window->inherits("QSystemTrayIconSys")) {
            window->hide();
            m_hiddenWindows << window;
        }
    }
    if (m_active) {
        m_active = false;
        Q_EMIT didResignActive();
    }
}

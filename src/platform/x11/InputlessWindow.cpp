#include "platform/x11/InputlessWindow.h"

#include "platform/x11/KeepAbove.h"
#include "platform/x11/WindowHints.h"

InputlessWindow::InputlessWindow(const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::BypassWindowManagerHint | Qt::WindowTransparentForInput |
                          Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint) {
    new KeepAbove(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(title);
}

void InputlessWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    WindowHints::neverFocus(winId()); // before the window maps
    WindowHints::joinAllDesktops(winId());
}

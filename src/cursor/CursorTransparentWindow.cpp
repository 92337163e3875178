#include "cursor/CursorTransparentWindow.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/KeepAbove.h"
#include "platform/x11/WindowHints.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

const QColor CursorTransparentWindow::backgroundColor = QColor::fromRgbF(1, 1, 1, 0.3f);

CursorTransparentWindow::CursorTransparentWindow(QWidget *parent)
    // Past the window manager: a manager that frames it (openbox does, undecorated or not)
    // would put a frame round it that takes every click on the screen, and could give it the
    // focus. Nothing stacks it then, so it keeps itself on top.
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::BypassWindowManagerHint | Qt::WindowTransparentForInput |
                          Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint) {
    new KeepAbove(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Quillory Cursor Highlight"));
    connect(&m_primary, &PrimaryScreenWatcher::changed, this,
            &CursorTransparentWindow::fitToMainScreen);
    fitToMainScreen();
}

void CursorTransparentWindow::fitToMainScreen() {
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (screen == this->screen() && geometry() == screen->geometry())
        return;
    setScreen(screen);
    WindowHints::coverScreen(this, screen->geometry());
    QLOG("Cursor highlight covers", screen->name(), screen->geometry());
}

void CursorTransparentWindow::setContentView(QWidget *view) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
}

void CursorTransparentWindow::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(event->rect(), backgroundColor);
}

void CursorTransparentWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    WindowHints::neverFocus(winId()); // before the window maps
    WindowHints::joinAllDesktops(winId());
}

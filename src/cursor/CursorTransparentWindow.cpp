#include "cursor/CursorTransparentWindow.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/WindowHints.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

const QColor CursorTransparentWindow::backgroundColor = QColor::fromRgbF(1, 1, 1, 0.3f);

CursorTransparentWindow::CursorTransparentWindow(QWidget *parent)
    : InputlessWindow(QStringLiteral("Quillory Cursor Highlight"), parent) {
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

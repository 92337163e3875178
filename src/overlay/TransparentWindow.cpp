#include "overlay/TransparentWindow.h"

#include "platform/x11/WindowHints.h"
#include "platform/x11/WindowShape.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <utility>

const QColor TransparentWindow::backgroundColor = QColor::fromRgbF(1, 1, 1, 0.01f);

TransparentWindow::TransparentWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::NoDropShadowWindowHint) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowTitle(QStringLiteral("Quillory"));
    // Pointer moves over parts the window's shape leaves out arrive at the window itself.
    setMouseTracking(true);
    // Every pointer move is a point of the stroke: Qt must not merge moves that queue up.
    QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
}

void TransparentWindow::setContentView(QWidget *view) {
    m_content = view;
    view->setParent(this);
    view->setGeometry(rect());
}

void TransparentWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    if (m_content)
        m_content->setGeometry(rect());
    applyPassThrough();
}

void TransparentWindow::setPassThrough(const QRegion &globalArea) {
    if (globalArea == m_passThrough)
        return;
    m_passThrough = globalArea;
    applyPassThrough();
}

void TransparentWindow::setInputTransparent(bool transparent) {
    if (transparent == m_inputTransparent)
        return;
    m_inputTransparent = transparent;
    applyPassThrough();
    applyFocusHints();
}

void TransparentWindow::applyPassThrough() {
    if (!testAttribute(Qt::WA_WState_Created))
        return;
    // The input shape: the whole window but the pass-through areas, in the window's pixels.
    const QRegion input = m_inputTransparent
                              ? QRegion()
                              : QRegion(rect()) - m_passThrough.translated(-geometry().topLeft());
    WindowShape::setInput(winId(), WindowShape::toDevice(input, devicePixelRatioF()));
}

void TransparentWindow::applyFocusHints() {
    // Letting the pointer through, it leaves the keyboard with the window the presenter clicks:
    // a window manager that would focus the overlay on that click (GNOME, KWin) must not.
    if (testAttribute(Qt::WA_WState_Created))
        WindowHints::acceptFocus(winId(), !m_inputTransparent);
}

void TransparentWindow::paintEvent(QPaintEvent *event) {
    // A reparenting window manager (openbox) copies the input shape to its frame when the shape
    // changes, not when it takes the window on: set before the map, the frame would cover the
    // tray icon. Painted, the window is mapped and managed; the shape goes again.
    if (std::exchange(m_shapeOnceMapped, false))
        applyPassThrough();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect &rect : event->region())
        painter.fillRect(rect, backgroundColor);
}

void TransparentWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    joinAllDesktops();
    applyPassThrough();
    m_shapeOnceMapped = true;
    applyFocusHints();
}

void TransparentWindow::joinAllDesktops() {
    WindowHints::joinAllDesktops(winId());
}

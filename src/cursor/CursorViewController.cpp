#include "cursor/CursorViewController.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/CompositorWatcher.h"
#include "platform/x11/PointerWatcher.h"

CursorViewController::CursorViewController(PointerWatcher &pointer, CompositorWatcher &compositor,
                                           QObject *parent)
    : QObject(parent)
    , m_pointer(pointer)
    , m_compositor(compositor) {}

void CursorViewController::loadView(QWidget *window) {
    m_view = new CursorView(window);
    viewDidLoad();
}

void CursorViewController::viewDidLoad() {
    connect(&m_pointer, &PointerWatcher::moved, this, &CursorViewController::mouseMoved);
    connect(&m_pointer, &PointerWatcher::pressed, this, &CursorViewController::mouseDown);
    connect(&m_pointer, &PointerWatcher::released, this, &CursorViewController::mouseUp);
    connect(&m_compositor, &CompositorWatcher::runningChanged, this,
            &CursorViewController::followCompositor);
    followCompositor(m_compositor.isRunning());
}

void CursorViewController::followCompositor(bool running) {
    m_view->setShaped(!running);
}

bool CursorViewController::placeBrush(QPoint global) {
    QWidget *window = m_view->window();
    if (!window->geometry().contains(global))
        return false;
    m_view->moveBrush(window->mapFromGlobal(global).toPointF());
    return true;
}

void CursorViewController::mouseMoved(QPoint global) {
    if (placeBrush(global))
        QLOG_DEBUG(m_buttonDown ? "dragged" : "moved");
}

void CursorViewController::mouseDown() {
    m_buttonDown = true;
    QLOG_DEBUG("Down");
}

void CursorViewController::mouseUp() {
    m_buttonDown = false;
    QLOG_DEBUG("up");
}

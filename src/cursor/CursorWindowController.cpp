#include "cursor/CursorWindowController.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/PointerWatcher.h"

#include <QCursor>
#include <QEvent>
#include <QScreen>

#include <utility>

CursorWindowController::CursorWindowController(PointerWatcher &pointer,
                                               CompositorWatcher &compositor, QObject *parent)
    : QObject(parent)
    , m_pointer(pointer)
    , m_window(std::make_unique<CursorTransparentWindow>())
    , m_content(pointer, compositor) {
    m_content.loadView(m_window.get());
    m_window->setContentView(m_content.view());
    windowDidLoad();
    // Never a disc frozen where the pointer last was: over Wayland windows it goes.
    connect(&pointer, &PointerWatcher::outOfSight, this, [this] {
        if (!m_window->isVisible() || m_steppedAside)
            return;
        m_window->hide();
        m_unseen = true;
        static bool said = false;
        if (!std::exchange(said, true))
            QLOG("The cursor highlight cannot see the pointer over Wayland windows: it shows only "
                 "over X11 windows");
    });
    connect(&pointer, &PointerWatcher::moved, this, [this] {
        if (std::exchange(m_unseen, false)) {
            m_window->show();
            m_window->raise();
        }
    });
}

CursorWindowController::~CursorWindowController() {
    m_pointer.stop();
}

void CursorWindowController::windowDidLoad() {
    m_window->installEventFilter(this);
}

// The window takes no focus, so these should never come; if a window manager hands it the
// focus all the same, the debug log tells.
bool CursorWindowController::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_window.get()) {
        if (event->type() == QEvent::WindowActivate) {
            QLOG_DEBUG("Window Delegate: windowDidBecomeKey");
            QLOG_DEBUG("Window Delegate: windowDidBecomeMain");
        } else if (event->type() == QEvent::WindowDeactivate) {
            QLOG_DEBUG("Window Delegate: windowDidResignKey");
            QLOG_DEBUG("Window Delegate: windowDidResignMain");
        }
    }
    return false;
}

void CursorWindowController::showWindow(QObject *) {
    m_steppedAside = false;
    if (m_window->isVisible() || m_unseen)
        return;
    m_content.placeBrush(QCursor::pos());
    m_window->show();
    // Above the windows that came since it was last shown, also without a window manager to
    // keep it there.
    m_window->raise();
    m_pointer.start();
    QLOG("Cursor highlight shown on", m_window->screen()->name());
}

void CursorWindowController::close() {
    m_steppedAside = false;
    if (!m_window->isVisible() && !std::exchange(m_unseen, false))
        return;
    m_pointer.stop();
    m_window->hide();
    QLOG("Cursor highlight hidden");
}

void CursorWindowController::stepAside(bool aside) {
    if (aside && m_window->isVisible()) {
        m_window->hide();
        m_steppedAside = true;
    } else if (!aside && std::exchange(m_steppedAside, false)) {
        m_window->show();
        m_window->raise();
    }
}

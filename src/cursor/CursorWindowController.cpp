#include "cursor/CursorWindowController.h"

#include "platform/DiagnosticLog.h"
#include "platform/PassThroughSurface.h"
#include "platform/x11/PointerWatcher.h"

#include <QCursor>
#include <QEvent>
#include <QPainter>
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
    connect(&pointer, &PointerWatcher::outOfSight, this, &CursorWindowController::lostSight);
    // On its windows without input, X is told nothing when the pointer leaves for a Wayland
    // window (GNOME): the highlight shows while it sees the pointer move.
    m_rest.setSingleShot(true);
    m_rest.setInterval(restMs);
    connect(&m_rest, &QTimer::timeout, this, &CursorWindowController::lostSight);
    connect(&pointer, &PointerWatcher::moved, this, [this] {
        if (m_backdrop)
            m_rest.start();
        if (std::exchange(m_unseen, false))
            setOnScreen(true);
        else if (m_disc && m_disc->isShown())
            showDisc();
    });
}

void CursorWindowController::lostSight() {
    if (!onScreen() || m_steppedAside)
        return;
    setOnScreen(false);
    m_unseen = true;
    static bool said = false;
    if (!std::exchange(said, true))
        QLOG("The cursor highlight cannot see the pointer over Wayland windows: it shows only "
             "over X11 windows");
}

CursorWindowController::~CursorWindowController() {
    m_pointer.stop();
}

void CursorWindowController::setInputlessWindows(std::unique_ptr<PassThroughSurface> backdrop,
                                                 std::unique_ptr<PassThroughSurface> disc) {
    m_backdrop = std::move(backdrop);
    m_disc = std::move(disc);
}

bool CursorWindowController::onScreen() const {
    return m_backdrop ? m_backdrop->isShown() : m_window->isVisible();
}

void CursorWindowController::setOnScreen(bool shown) {
    if (!m_backdrop || !m_disc) {
        m_window->setVisible(shown);
        if (shown) // above the windows that came since it was last shown
            m_window->raise();
        return;
    }
    if (!shown) {
        m_disc->hide();
        return m_backdrop->hide();
    }
    const QRect screen = m_window->geometry();
    QImage backdrop(screen.size() * m_window->devicePixelRatioF(),
                    QImage::Format_ARGB32_Premultiplied);
    backdrop.setDevicePixelRatio(m_window->devicePixelRatioF());
    backdrop.fill(CursorTransparentWindow::backgroundColor);
    m_backdrop->show(backdrop, screen);
    showDisc();
}

void CursorWindowController::showDisc() {
    QWidget *brush = m_content.view()->brush;
    const qreal ratio = m_window->devicePixelRatioF();
    QImage disc(brush->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    disc.setDevicePixelRatio(ratio);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    brush->render(&painter, {}, {}, QWidget::DrawChildren);
    painter.end();
    m_disc->show(disc,
                 QRect(brush->mapTo(m_window.get(), QPoint()) + m_window->pos(), brush->size()));
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
    if (onScreen() || m_unseen)
        return;
    m_content.placeBrush(QCursor::pos());
    if (m_backdrop)
        m_rest.start();
    // Above the windows that came since it was last shown, also without a window manager to
    // keep it there.
    setOnScreen(true);
    m_pointer.start();
    QLOG("Cursor highlight shown on", m_window->screen()->name());
}

void CursorWindowController::close() {
    m_steppedAside = false;
    if (!onScreen() && !std::exchange(m_unseen, false))
        return;
    m_pointer.stop();
    m_rest.stop();
    setOnScreen(false);
    QLOG("Cursor highlight hidden");
}

void CursorWindowController::stepAside(bool aside) {
    if (aside && onScreen()) {
        setOnScreen(false);
        m_steppedAside = true;
    } else if (!aside && std::exchange(m_steppedAside, false)) {
        setOnScreen(true);
    }
}

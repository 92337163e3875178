#include "platform/x11/PointerWatcher.h"

#include "platform/Session.h"
#include "platform/x11/X11.h"

#include <QCursor>

#include <utility>

#include <xcb/xinput.h>

namespace {
// Whether the pointer is over one of XWayland's windows (with no window under it, X reports
// the root's child as none).
bool overAnXWindow() {
    xcb_connection_t *conn = X11::connection();
    if (!conn)
        return true;
    const XcbReply<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(conn, xcb_query_pointer(conn, X11::rootWindow()), nullptr));
    return !reply || reply->child != XCB_NONE;
}
} // namespace

PointerWatcher::PointerWatcher(QObject *parent)
    : RawInputWatcher(XCB_INPUT_XI_EVENT_MASK_RAW_MOTION |
                          XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS |
                          XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_RELEASE,
                      parent) {
    m_nextFrame.setSingleShot(true);
    m_nextFrame.setTimerType(Qt::PreciseTimer);
    connect(&m_nextFrame, &QTimer::timeout, this, &PointerWatcher::readPosition);
    m_warps.setInterval(200);
    connect(&m_warps, &QTimer::timeout, this, [this] {
        m_readPending = true;
        readPosition();
    });
}

void PointerWatcher::watchingChanged(bool watching) {
    if (watching) {
        m_outOfSight = false; // said again at the first look, if so
        m_warps.start();
    } else {
        m_warps.stop();
        m_nextFrame.stop();
    }
}

void PointerWatcher::rawEvent(uint16_t type) {
    switch (type) {
    case XCB_INPUT_RAW_MOTION: {
        // A raw event carries the device's motion, not the pointer's position: ask for that
        // once the events at hand are through, and at most once a display frame (a mouse
        // reports up to 1000 times a second): the first move after a rest at once, the
        // moves that follow at the next frame.
        if (std::exchange(m_readPending, true))
            break;
        const qint64 since = m_sinceRead.isValid() ? m_sinceRead.elapsed() : framePeriodMs;
        if (since >= framePeriodMs)
            QMetaObject::invokeMethod(this, &PointerWatcher::readPosition, Qt::QueuedConnection);
        else
            m_nextFrame.start(static_cast<int>(framePeriodMs - since));
        break;
    }
    case XCB_INPUT_RAW_BUTTON_PRESS:
        readPosition(); // a move before the press is reported before it
        Q_EMIT pressed();
        break;
    case XCB_INPUT_RAW_BUTTON_RELEASE:
        readPosition();
        Q_EMIT released();
        break;
    default:
        break;
    }
}

void PointerWatcher::readPosition() {
    if (!std::exchange(m_readPending, false) || !isWatching())
        return;
    m_sinceRead.start();
    if (Session::isWayland()) {
        if (!overAnXWindow()) {
            if (!std::exchange(m_outOfSight, true))
                Q_EMIT outOfSight();
            return;
        }
        if (std::exchange(m_outOfSight, false))
            m_last.reset();
    }
    const QPoint position = QCursor::pos();
    if (position == m_last)
        return;
    m_last = position;
    Q_EMIT moved(position);
}

#include "platform/x11/PointerGrab.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/X11.h"
#include "platform/x11/XCursor.h"

#include <QApplication>

namespace {
constexpr auto kGrabMask = uint16_t(XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                    XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_ENTER_WINDOW |
                                    XCB_EVENT_MASK_LEAVE_WINDOW);
} // namespace

PointerGrab::PointerGrab(QObject *parent)
    : QObject(parent) {
    m_renew.setInterval(250);
    connect(&m_renew, &QTimer::timeout, this, &PointerGrab::keepTrying);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool PointerGrab::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (!m_window || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const uint8_t type = event->response_type & 0x7f;
    // A grab of ours ended (a popup's, which had taken over the overlay's): take it back once
    // the event is through.
    if (type == XCB_ENTER_NOTIFY &&
        static_cast<const xcb_enter_notify_event_t *>(message)->mode == XCB_NOTIFY_MODE_UNGRAB &&
        !m_renew.isActive()) {
        m_held = false;
        QMetaObject::invokeMethod(this, &PointerGrab::keepTrying, Qt::QueuedConnection);
        return false;
    }
    if (!m_held || type != XCB_BUTTON_PRESS)
        return false;
    const auto *press = static_cast<const xcb_button_press_event_t *>(message);
    if (press->detail != 4 && press->detail != 5)
        return false;
    Q_EMIT wheelTurned(press->detail == 4 ? 1 : -1, press->state & XCB_MOD_MASK_CONTROL);
    return false;
}

PointerGrab::~PointerGrab() {
    release();
}

void PointerGrab::grab(QWidget *window) {
    m_window = window;
    keepTrying();
}

void PointerGrab::keepTrying() {
    if (!m_window)
        return;
    if (tryGrab())
        m_renew.stop();
    else if (!m_renew.isActive())
        m_renew.start();
}

bool PointerGrab::tryGrab() {
    xcb_connection_t *conn = X11::connection();
    if (!conn || !m_window || !m_window->isVisible() || QApplication::activePopupWidget())
        return false;
    // owner_events: over our own windows events arrive as usual (so the palette gets its
    // clicks); everywhere else they are reported to the overlay.
    const xcb_cursor_t cursor = XCursor::create(conn, XCursor::describe(m_cursor));
    const XcbReply<xcb_grab_pointer_reply_t> reply(xcb_grab_pointer_reply(
        conn,
        xcb_grab_pointer(conn, 1, xcb_window_t(m_window->winId()), kGrabMask, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_WINDOW_NONE, cursor, XCB_CURRENT_TIME),
        nullptr));
    if (cursor != XCB_CURSOR_NONE)
        xcb_free_cursor(conn, cursor);
    const bool ok = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    if (ok != m_held) {
        m_held = ok;
        if (ok)
            QLOG("Pointer grabbed for the overlay");
    }
    return ok;
}

void PointerGrab::setCursor(const QCursor &cursor) {
    m_cursor = cursor;
    xcb_connection_t *conn = X11::connection();
    if (!m_held || !conn)
        return;
    const xcb_cursor_t shown = XCursor::create(conn, XCursor::describe(cursor));
    xcb_change_active_pointer_grab(conn, shown, XCB_CURRENT_TIME, kGrabMask);
    if (shown != XCB_CURSOR_NONE)
        xcb_free_cursor(conn, shown);
    xcb_flush(conn);
}

void PointerGrab::release() {
    m_renew.stop();
    m_window = nullptr;
    if (!m_held)
        return;
    m_held = false;
    if (xcb_connection_t *conn = X11::connection()) {
        xcb_ungrab_pointer(conn, XCB_CURRENT_TIME);
        xcb_flush(conn);
    }
    QLOG("Pointer released");
}

#include "platform/x11/CompositorWatcher.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/X11.h"

#include <QCoreApplication>

#include <xcb/xfixes.h>

CompositorWatcher::CompositorWatcher(QObject *parent)
    : QObject(parent) {
    m_connection = X11::connection();
    if (!m_connection)
        return;
    const int screenNumber = 0;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screenNumber);
    m_selection = X11::atom(name.constData());

    const xcb_query_extension_reply_t *xfixes =
        xcb_get_extension_data(m_connection, &xcb_xfixes_id);
    if (xfixes && xfixes->present) {
        XcbReply<xcb_xfixes_query_version_reply_t>(xcb_xfixes_query_version_reply(
            m_connection, xcb_xfixes_query_version(m_connection, 5, 0), nullptr));
        m_xfixesEvent = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
        xcb_xfixes_select_selection_input(
            m_connection, X11::rootWindow(), m_selection,
            XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        xcb_flush(m_connection);
        QCoreApplication::instance()->installNativeEventFilter(this);
    } else {
        QLOG_ERROR("XFixes is missing: a compositor that starts or stops later goes unnoticed");
    }
    m_running = queryOwner();
    QLOG("Compositor", m_running ? "running" : "not running");
}

CompositorWatcher::~CompositorWatcher() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool CompositorWatcher::queryOwner() const {
    const XcbReply<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, m_selection), nullptr));
    return reply && reply->owner != XCB_WINDOW_NONE;
}

bool CompositorWatcher::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t" || m_xfixesEvent < 0)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != m_xfixesEvent)
        return false;
    const auto *notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event);
    if (notify->selection != m_selection)
        return false;
    const bool running = notify->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER &&
                         notify->owner != XCB_WINDOW_NONE;
    if (running != m_running) {
        m_running = running;
        QLOG("Compositor", running ? "started" : "stopped");
        Q_EMIT runningChanged(running);
    }
    return false;
}

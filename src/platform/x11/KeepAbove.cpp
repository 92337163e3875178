#include "platform/x11/KeepAbove.h"

#include "platform/x11/X11.h"

#include <QCoreApplication>

KeepAbove::KeepAbove(QWidget *window)
    : QObject(window)
    , m_window(window) {
    m_check.setSingleShot(true);
    connect(&m_check, &QTimer::timeout, this, &KeepAbove::raiseIfCovered);
    xcb_connection_t *conn = X11::connection();
    if (!conn)
        return;
    // The root's children are the top-level windows, or a window manager's frames: learn of
    // their stacking, beside what Qt already asks the root for.
    const xcb_window_t root = X11::rootWindow();
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(conn, xcb_get_window_attributes(conn, root), nullptr));
    const uint32_t mask =
        (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(conn, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(conn);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

KeepAbove::~KeepAbove() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool KeepAbove::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t" || !m_window || !m_window->isVisible())
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    xcb_window_t changed = XCB_WINDOW_NONE;
    switch (event->response_type & 0x7f) {
    case XCB_CONFIGURE_NOTIFY:
        changed = reinterpret_cast<const xcb_configure_notify_event_t *>(event)->window;
        break;
    case XCB_MAP_NOTIFY:
        changed = reinterpret_cast<const xcb_map_notify_event_t *>(event)->window;
        break;
    default:
        return false;
    }
    if (changed != xcb_window_t(m_window->internalWinId()) && !m_check.isActive()) {
        const qint64 since = m_lastRaise.isValid() ? m_lastRaise.elapsed() : minRaiseInterval;
        m_check.start(int(std::max<qint64>(0, minRaiseInterval - since)));
    }
    return false;
}

void KeepAbove::raiseIfCovered() {
    xcb_connection_t *conn = X11::connection();
    if (!conn || !m_window || !m_window->isVisible())
        return;
    const auto window = xcb_window_t(m_window->internalWinId());
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(conn, xcb_query_tree(conn, X11::rootWindow()), nullptr));
    if (!tree)
        return;
    // Bottom to top: the window is on top when no mapped window follows it.
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    int index = count;
    while (index > 0 && children[index - 1] != window)
        --index;
    if (index == 0)
        return; // not a child of the root: a window manager has it after all
    bool covered = false;
    for (int above = index; above < count && !covered; ++above) {
        const XcbReply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(conn, xcb_get_window_attributes(conn, children[above]),
                                            nullptr));
        covered = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    }
    if (!covered)
        return;
    const uint32_t stackMode = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(conn, window, XCB_CONFIG_WINDOW_STACK_MODE, &stackMode);
    xcb_flush(conn);
    m_lastRaise.start();
}

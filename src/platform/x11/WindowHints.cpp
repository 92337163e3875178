#include "platform/x11/WindowHints.h"

#include "platform/Session.h"
#include "platform/x11/X11.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace {
// A request to the window manager about `window` (EWMH client message on the root window).
void askWindowManager(xcb_connection_t *conn, xcb_window_t window, xcb_atom_t type, uint32_t first,
                      uint32_t second) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    message.data.data32[0] = first;
    message.data.data32[1] = second;
    message.data.data32[3] = 1; // from a normal application
    xcb_send_event(conn, 0, X11::rootWindow(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
}
} // namespace

void WindowHints::joinAllDesktops(WId id) {
    xcb_connection_t *conn = X11::connection();
    if (!conn || !id)
        return;
    // The property counts for a window manager that starts later; the messages for a running one.
    const auto window = xcb_window_t(id);
    const uint32_t allDesktops = 0xFFFFFFFF;
    const xcb_atom_t desktop = X11::atom("_NET_WM_DESKTOP");
    xcb_change_property(conn, XCB_PROP_MODE_REPLACE, window, desktop, XCB_ATOM_CARDINAL, 32, 1,
                        &allDesktops);
    askWindowManager(conn, window, desktop, allDesktops, 1);
    const xcb_atom_t state = X11::atom("_NET_WM_STATE");
    constexpr uint32_t add = 1;
    for (const char *name :
         {"_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"})
        askWindowManager(conn, window, state, add, X11::atom(name));
    xcb_flush(conn);
}

void WindowHints::coverScreen(QWidget *window, const QRect &geometry) {
    if (Session::isWayland())
        window->setFixedSize(geometry.size());
    window->setGeometry(geometry);
}

void WindowHints::acceptFocus(WId id, bool accept) {
    xcb_connection_t *conn = X11::connection();
    if (!conn || !id)
        return;
    const auto window = xcb_window_t(id);
    // WM_HINTS: flags, input, and seven fields more; InputHint is the flags' first bit.
    std::vector<uint32_t> hints(9, 0);
    const auto read = [&](xcb_atom_t property, xcb_atom_t type, uint32_t most) {
        const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            conn, xcb_get_property(conn, 0, window, property, type, 0, most), nullptr));
        std::vector<uint32_t> values;
        if (reply && reply->format == 32) {
            const auto *data = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
            values.assign(data, data + xcb_get_property_value_length(reply.get()) / 4);
        }
        return values;
    };
    const std::vector<uint32_t> stored = read(XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 9);
    std::copy_n(stored.begin(), std::min<size_t>(stored.size(), 9), hints.begin());
    hints[0] |= 1;
    hints[1] = accept ? 1 : 0;
    xcb_change_property(conn, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS,
                        32, 9, hints.data());
    const xcb_atom_t protocols = X11::atom("WM_PROTOCOLS");
    const xcb_atom_t takeFocus = X11::atom("WM_TAKE_FOCUS");
    std::vector<uint32_t> offered = read(protocols, XCB_ATOM_ATOM, 32);
    std::erase(offered, takeFocus);
    if (accept)
        offered.push_back(takeFocus);
    xcb_change_property(conn, XCB_PROP_MODE_REPLACE, window, protocols, XCB_ATOM_ATOM, 32,
                        uint32_t(offered.size()), offered.data());
    xcb_flush(conn);
}

void WindowHints::neverFocus(WId id) {
    xcb_connection_t *conn = X11::connection();
    if (!conn || !id)
        return;
    acceptFocus(id, false);
    const xcb_atom_t notification = X11::atom("_NET_WM_WINDOW_TYPE_NOTIFICATION");
    xcb_change_property(conn, XCB_PROP_MODE_REPLACE, xcb_window_t(id),
                        X11::atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &notification);
    xcb_flush(conn);
}

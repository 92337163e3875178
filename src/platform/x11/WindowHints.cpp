#include "platform/x11/WindowHints.h"

#include "platform/Session.h"
#include "platform/x11/X11.h"

#include <QWidget>

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

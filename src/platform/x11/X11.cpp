#include "platform/x11/X11.h"

#include <QGuiApplication>

#include <cstring>

xcb_connection_t *X11::connection() {
    // Not qGuiApp: a command-line tool or test may run a plain QCoreApplication.
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    auto *x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t X11::rootWindow() {
    xcb_connection_t *conn = connection();
    if (!conn)
        return XCB_WINDOW_NONE;
    const xcb_setup_t *setup = xcb_get_setup(conn);
    const xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    return it.rem ? it.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

xcb_atom_t X11::atom(const char *name) {
    xcb_connection_t *conn = connection();
    if (!conn)
        return XCB_ATOM_NONE;
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        conn, xcb_intern_atom(conn, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

bool X11::windowManagerRunning() {
    xcb_connection_t *conn = connection();
    if (!conn)
        return false;
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        conn,
        xcb_get_property(conn, 0, rootWindow(), atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW,
                         0, 1),
        nullptr));
    return reply && xcb_get_property_value_length(reply.get()) == 4;
}

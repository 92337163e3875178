#include "platform/x11/KeysBelow.h"

#include "platform/x11/X11.h"

#include <unistd.h>
#include <vector>

namespace {
bool hasProperty(xcb_connection_t *conn, xcb_window_t window, xcb_atom_t name) {
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        conn, xcb_get_property(conn, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 0), nullptr));
    return reply && reply->type != XCB_NONE;
}

// The program's own window in a top-level one: itself, or (under a window manager that frames
// windows) the child the manager marked with WM_STATE.
xcb_window_t clientWindow(xcb_connection_t *conn, xcb_window_t topLevel, bool overrideRedirect) {
    const xcb_atom_t wmState = X11::atom("WM_STATE");
    if (hasProperty(conn, topLevel, wmState))
        return topLevel;
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(conn, xcb_query_tree(conn, topLevel), nullptr));
    const xcb_window_t *children = tree ? xcb_query_tree_children(tree.get()) : nullptr;
    for (int i = tree ? xcb_query_tree_children_length(tree.get()) - 1 : -1; i >= 0; --i) {
        if (hasProperty(conn, children[i], wmState))
            return children[i];
    }
    // Without a window manager nothing has WM_STATE: a window it would manage counts as is.
    return overrideRedirect || X11::windowManagerRunning() ? XCB_NONE : topLevel;
}

bool isOurs(xcb_connection_t *conn, xcb_window_t window) {
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        conn, xcb_get_property(conn, 0, window, X11::atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    return reply && xcb_get_property_value_length(reply.get()) == 4 &&
           *static_cast<const quint32 *>(xcb_get_property_value(reply.get())) ==
               quint32(::getpid());
}
} // namespace

bool KeysBelow::send(quint32 keycode, Qt::KeyboardModifiers modifiers) {
    xcb_connection_t *conn = X11::connection();
    if (!conn || keycode < 8 || keycode > 255)
        return false;
    const xcb_window_t root = X11::rootWindow();
    const XcbReply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(conn, xcb_query_pointer(conn, root), nullptr));
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(conn, xcb_query_tree(conn, root), nullptr));
    if (!pointer || !tree)
        return false;
    // The top-level windows, bottom to top: ask for all of them at once.
    const xcb_window_t *windows = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    std::vector<xcb_get_window_attributes_cookie_t> attributes;
    std::vector<xcb_get_geometry_cookie_t> geometries;
    for (int i = 0; i < count; ++i) {
        attributes.push_back(xcb_get_window_attributes(conn, windows[i]));
        geometries.push_back(xcb_get_geometry(conn, windows[i]));
    }
    xcb_window_t target = XCB_NONE;
    for (int i = count - 1; i >= 0; --i) {
        const XcbReply<xcb_get_window_attributes_reply_t> shown(
            xcb_get_window_attributes_reply(conn, attributes[size_t(i)], nullptr));
        const XcbReply<xcb_get_geometry_reply_t> area(
            xcb_get_geometry_reply(conn, geometries[size_t(i)], nullptr));
        if (target || !shown || !area || shown->map_state != XCB_MAP_STATE_VIEWABLE ||
            shown->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT)
            continue; // every reply is read, so none is left behind
        const int x = pointer->root_x - area->x, y = pointer->root_y - area->y;
        if (x < 0 || y < 0 || x >= area->width + 2 * area->border_width ||
            y >= area->height + 2 * area->border_width)
            continue;
        const xcb_window_t client = clientWindow(conn, windows[i], shown->override_redirect);
        if (client && !isOurs(conn, client))
            target = client;
    }
    if (!target)
        return false;
    for (const quint8 type : {XCB_KEY_PRESS, XCB_KEY_RELEASE}) {
        xcb_key_press_event_t key{};
        key.response_type = type;
        key.detail = xcb_keycode_t(keycode);
        key.time = XCB_CURRENT_TIME;
        key.root = root;
        key.event = target;
        key.child = XCB_NONE;
        key.root_x = pointer->root_x;
        key.root_y = pointer->root_y;
        key.event_x = 0;
        key.event_y = 0;
        key.state = uint16_t((modifiers & Qt::ShiftModifier ? XCB_MOD_MASK_SHIFT : 0) |
                             (modifiers & Qt::ControlModifier ? XCB_MOD_MASK_CONTROL : 0) |
                             (modifiers & Qt::AltModifier ? XCB_MOD_MASK_1 : 0));
        key.same_screen = 1;
        xcb_send_event(conn, 1, target, XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE,
                       reinterpret_cast<const char *>(&key));
    }
    xcb_flush(conn);
    return true;
}

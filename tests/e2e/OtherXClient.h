#pragma once

#include <QString>

#include <xcb/xcb.h>

#include <cstdlib>

// Another program on the display, holding key combinations by passive grabs on the root
// window; a grab succeeds only while no other client holds the combination.
class OtherXClient {
public:
    explicit OtherXClient(const QString &display = {})
        : m_c(xcb_connect(display.isEmpty() ? nullptr : display.toUtf8().constData(), nullptr)) {}
    ~OtherXClient() { xcb_disconnect(m_c); }
    OtherXClient(const OtherXClient &) = delete;
    OtherXClient &operator=(const OtherXClient &) = delete;

    // An X11 keycode (evdev + 8) with Ctrl+Shift.
    bool grabCtrlShift(xcb_keycode_t keycode) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        xcb_generic_error_t *error = xcb_request_check(
            m_c, xcb_grab_key_checked(m_c, 1, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT,
                                      keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return !error;
    }

private:
    xcb_connection_t *const m_c;
};

#pragma once

#include <QRect>
#include <QString>

#include <xcb/xcb.h>

#include <cstdlib>

// Another program on the display: it holds key combinations by passive grabs on the root
// window (a grab succeeds only while no other client holds the combination), or shows a plain
// window that counts the clicks it gets.
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

    // A window filled with `rgb`, mapped above all others (there is no window manager).
    void showWindow(QRect area, uint32_t rgb) {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        const xcb_window_t window = m_window = xcb_generate_id(m_c);
        const uint32_t values[] = {rgb, XCB_EVENT_MASK_BUTTON_PRESS};
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, window, screen->root, int16_t(area.x()),
                          int16_t(area.y()), uint16_t(area.width()), uint16_t(area.height()), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
        xcb_map_window(m_c, window);
        xcb_flush(m_c);
    }
    // Takes the keyboard to the window.
    void takeFocus() {
        xcb_set_input_focus(m_c, XCB_INPUT_FOCUS_POINTER_ROOT, m_window, XCB_CURRENT_TIME);
        xcb_flush(m_c);
    }
    // The button presses the window got since the last call.
    int clicks() {
        int count = 0;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_c)) {
            count += (event->response_type & 0x7f) == XCB_BUTTON_PRESS;
            std::free(event);
        }
        return count;
    }

private:
    xcb_connection_t *const m_c;
    xcb_window_t m_window = XCB_WINDOW_NONE;
};

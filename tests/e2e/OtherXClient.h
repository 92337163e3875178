#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>

// Another program on the display: it holds key combinations by passive grabs on the root
// window (a grab succeeds only while no other client holds the combination), or shows a plain
// window that counts the clicks, drags, wheel notches and keys it gets.
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

    // A window filled with `rgb`, mapped above all others; a window manager is asked to keep
    // it where it is.
    void showWindow(QRect area, uint32_t rgb) {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        const xcb_window_t window = m_window = xcb_generate_id(m_c);
        const uint32_t values[] = {rgb,
                                   XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                       XCB_EVENT_MASK_BUTTON_1_MOTION | XCB_EVENT_MASK_KEY_PRESS};
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, window, screen->root, int16_t(area.x()),
                          int16_t(area.y()), uint16_t(area.width()), uint16_t(area.height()), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
        // WM_NORMAL_HINTS: the user chose position and size.
        uint32_t hints[18] = {1 | 2, uint32_t(area.x()), uint32_t(area.y()), uint32_t(area.width()),
                              uint32_t(area.height())};
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS,
                            XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
        xcb_map_window(m_c, window);
        xcb_flush(m_c);
    }
    // Takes the keyboard to the window.
    void takeFocus() {
        xcb_set_input_focus(m_c, XCB_INPUT_FOCUS_POINTER_ROOT, m_window, XCB_CURRENT_TIME);
        xcb_flush(m_c);
    }
    struct Input {
        int clicks = 0, releases = 0; // of a mouse button
        int dragMoves = 0;            // with the left button held
        int wheel = 0;                // notches either way
        int keys = 0;
        QList<int> keycodes; // of the keys, in turn
    };
    // What the window got since it showed.
    Input input() {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_c)) {
            const auto *button = reinterpret_cast<const xcb_button_press_event_t *>(event);
            const bool wheel = button->detail == 4 || button->detail == 5;
            switch (event->response_type & 0x7f) {
            case XCB_BUTTON_PRESS:
                ++(wheel ? m_got.wheel : m_got.clicks);
                break;
            case XCB_BUTTON_RELEASE:
                m_got.releases += !wheel;
                break;
            case XCB_MOTION_NOTIFY:
                ++m_got.dragMoves;
                break;
            case XCB_KEY_PRESS:
                ++m_got.keys;
                m_got.keycodes.append(button->detail);
                break;
            default:
                break;
            }
            std::free(event);
        }
        return m_got;
    }
    int clicks() { return input().clicks; }

    // The pointer's shape as the X server shows it: its size and hot spot.
    QRect cursor() {
        free(xcb_xfixes_query_version_reply(m_c, xcb_xfixes_query_version(m_c, 4, 0), nullptr));
        xcb_xfixes_get_cursor_image_reply_t *image =
            xcb_xfixes_get_cursor_image_reply(m_c, xcb_xfixes_get_cursor_image(m_c), nullptr);
        if (!image)
            return {};
        const QRect shape(-image->xhot, -image->yhot, image->width, image->height);
        free(image);
        return shape;
    }

private:
    xcb_connection_t *const m_c;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    Input m_got;
};

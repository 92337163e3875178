#include "platform/wayland/SeatInput.h"

#include "platform/DiagnosticLog.h"
#include "platform/wayland/TabletInput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QWheelEvent>

#include <algorithm>
#include <cstring>
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>
#include <wayland-client.h>
#include <wayland-cursor.h>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

namespace {

// A notch of the wheel, as Qt counts it and as the compositor does (libinput's 15 degrees).
constexpr int notch = 120;
constexpr double unitsPerNotch = 10.0;

Qt::MouseButton qtButton(quint32 button) {
    switch (button) {
    case BTN_LEFT:
        return Qt::LeftButton;
    case BTN_RIGHT:
        return Qt::RightButton;
    case BTN_MIDDLE:
        return Qt::MiddleButton;
    case BTN_SIDE:
        return Qt::BackButton;
    case BTN_EXTRA:
        return Qt::ForwardButton;
    default:
        return Qt::NoButton;
    }
}

} // namespace

SeatInput::SeatInput(wl_seat *seat, QObject *parent)
    : QObject(parent)
    , m_seat(seat)
    , m_xkb(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {
    static const wl_seat_listener listener = {[](void *data, wl_seat *, quint32 caps) {
                                                  static_cast<SeatInput *>(data)->capabilities(
                                                      caps);
                                              },
                                              [](void *, wl_seat *, const char *) {}};
    wl_seat_add_listener(m_seat, &listener, this);
    connect(&m_repeat, &QTimer::timeout, this, &SeatInput::repeat);
    QByteArray locale;
    for (const char *name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        if (locale.isEmpty())
            locale = qgetenv(name);
    }
    m_composeTable =
        m_xkb
            ? xkb_compose_table_new_from_locale(m_xkb, locale.isEmpty() ? "C" : locale.constData(),
                                                XKB_COMPOSE_COMPILE_NO_FLAGS)
            : nullptr;
    if (m_composeTable)
        m_compose = xkb_compose_state_new(m_composeTable, XKB_COMPOSE_STATE_NO_FLAGS);
}

SeatInput::~SeatInput() {
    m_tablets.reset();
    capabilities(0);
    dropCursor();
    if (m_cursorTheme)
        wl_cursor_theme_destroy(m_cursorTheme);
    if (m_compose)
        xkb_compose_state_unref(m_compose);
    if (m_composeTable)
        xkb_compose_table_unref(m_composeTable);
    if (m_state)
        xkb_state_unref(m_state);
    if (m_keymap)
        xkb_keymap_unref(m_keymap);
    if (m_xkb)
        xkb_context_unref(m_xkb);
    wl_seat_destroy(m_seat);
}

void SeatInput::setTablets(zwp_tablet_manager_v2 *manager) {
    m_tablets = std::make_unique<TabletInput>(
        manager, m_seat, [this] { return modifiers(); },
        [this](QPoint &hotspot) {
            // A pen's cursor from the theme: the text cursor while typing, else the cross.
            return themed(m_cursorShape.shape() == Qt::IBeamCursor ? "xterm" : "crosshair",
                          hotspot);
        });
    if (m_surface)
        m_tablets->follow(m_surface, m_deliver);
}

void SeatInput::follow(wl_surface *surface, Deliver deliver) {
    if (m_tablets)
        m_tablets->follow(surface, deliver);
    m_surface = surface;
    m_deliver = std::move(deliver);
    m_over = false;
    m_buttons = {};
}

void SeatInput::send(QInputEvent &event) {
    if (m_deliver)
        m_deliver(&event);
}

void SeatInput::capabilities(quint32 caps) {
    const bool pointer = caps & WL_SEAT_CAPABILITY_POINTER;
    if (pointer && !m_pointer) {
        m_pointer = wl_seat_get_pointer(m_seat);
        static const wl_pointer_listener listener = {
            [](void *data, wl_pointer *, quint32 serial, wl_surface *surface, wl_fixed_t x,
               wl_fixed_t y) {
                auto *self = static_cast<SeatInput *>(data);
                self->m_over = surface && surface == self->m_surface;
                if (!self->m_over)
                    return;
                self->setCursor(serial);
                // The brush dot comes to where the pointer came in.
                self->m_position = {wl_fixed_to_double(x), wl_fixed_to_double(y)};
                self->mouse(QEvent::MouseMove, Qt::NoButton);
            },
            [](void *data, wl_pointer *, quint32, wl_surface *) {
                static_cast<SeatInput *>(data)->m_over = false;
            },
            [](void *data, wl_pointer *, quint32, wl_fixed_t x, wl_fixed_t y) {
                auto *self = static_cast<SeatInput *>(data);
                self->m_position = {wl_fixed_to_double(x), wl_fixed_to_double(y)};
                self->mouse(QEvent::MouseMove, Qt::NoButton);
            },
            [](void *data, wl_pointer *, quint32, quint32, quint32 button, quint32 state) {
                auto *self = static_cast<SeatInput *>(data);
                const Qt::MouseButton which = qtButton(button);
                if (which == Qt::NoButton)
                    return;
                const bool pressed = state == WL_POINTER_BUTTON_STATE_PRESSED;
                self->m_buttons.setFlag(which, pressed);
                self->mouse(pressed ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, which);
            },
            [](void *data, wl_pointer *pointer, quint32, quint32 axis, wl_fixed_t value) {
                auto *self = static_cast<SeatInput *>(data);
                if (axis != WL_POINTER_AXIS_VERTICAL_SCROLL || self->m_discrete)
                    return;
                // Down the page is positive here and negative in Qt.
                self->m_wheel -= int(wl_fixed_to_double(value) * notch / unitsPerNotch);
                if (wl_pointer_get_version(pointer) < WL_POINTER_FRAME_SINCE_VERSION)
                    self->wheel(); // no frames to wait for
            },
            [](void *data, wl_pointer *) { static_cast<SeatInput *>(data)->wheel(); },
            [](void *, wl_pointer *, quint32) {},
            [](void *, wl_pointer *, quint32, quint32) {},
            [](void *data, wl_pointer *, quint32 axis, qint32 discrete) {
                auto *self = static_cast<SeatInput *>(data);
                if (axis != WL_POINTER_AXIS_VERTICAL_SCROLL)
                    return;
                // Whole notches where the device has them, whatever their length.
                self->m_wheel = (self->m_discrete ? self->m_wheel : 0) - discrete * notch;
                self->m_discrete = true;
            },
            [](void *, wl_pointer *, quint32, qint32) {}};
        wl_pointer_add_listener(m_pointer, &listener, this);
    } else if (!pointer && m_pointer) {
        if (wl_pointer_get_version(m_pointer) >= WL_POINTER_RELEASE_SINCE_VERSION)
            wl_pointer_release(std::exchange(m_pointer, nullptr));
        else
            wl_pointer_destroy(std::exchange(m_pointer, nullptr));
        m_over = false;
    }
    const bool keyboard = caps & WL_SEAT_CAPABILITY_KEYBOARD;
    if (keyboard && !m_keyboard) {
        m_keyboard = wl_seat_get_keyboard(m_seat);
        static const wl_keyboard_listener listener = {
            [](void *data, wl_keyboard *, quint32 format, int fd, quint32 size) {
                if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1)
                    static_cast<SeatInput *>(data)->keymap(fd, size);
                ::close(fd);
            },
            [](void *, wl_keyboard *, quint32, wl_surface *, wl_array *) {},
            [](void *data, wl_keyboard *, quint32, wl_surface *) {
                static_cast<SeatInput *>(data)->m_repeat.stop();
            },
            [](void *data, wl_keyboard *, quint32, quint32, quint32 key, quint32 state) {
                static_cast<SeatInput *>(data)->key(key, state == WL_KEYBOARD_KEY_STATE_PRESSED);
            },
            [](void *data, wl_keyboard *, quint32, quint32 depressed, quint32 latched,
               quint32 locked, quint32 group) {
                auto *self = static_cast<SeatInput *>(data);
                if (self->m_state)
                    xkb_state_update_mask(self->m_state, depressed, latched, locked, 0, 0, group);
            },
            [](void *data, wl_keyboard *, qint32 rate, qint32 delay) {
                auto *self = static_cast<SeatInput *>(data);
                self->m_repeatRate = std::max(0, rate);
                self->m_repeatDelay = std::max(0, delay);
            }};
        wl_keyboard_add_listener(m_keyboard, &listener, this);
    } else if (!keyboard && m_keyboard) {
        if (wl_keyboard_get_version(m_keyboard) >= WL_KEYBOARD_RELEASE_SINCE_VERSION)
            wl_keyboard_release(std::exchange(m_keyboard, nullptr));
        else
            wl_keyboard_destroy(std::exchange(m_keyboard, nullptr));
    }
}

void SeatInput::setCursor(quint32 serial) {
    // Without a theme or a picture no cursor at all, rather than whatever the window below left.
    m_enterSerial = serial;
    if (!m_cursor)
        m_cursor = cursorSurface(m_hotspot);
    wl_pointer_set_cursor(m_pointer, serial, m_cursor, m_hotspot.x(), m_hotspot.y());
}

void SeatInput::setCursorShape(const QCursor &cursor) {
    m_cursorShape = cursor;
    dropCursor();
    if (m_over && m_pointer)
        setCursor(m_enterSerial);
}

void SeatInput::dropCursor() {
    if (m_cursor)
        wl_surface_destroy(std::exchange(m_cursor, nullptr));
    if (m_cursorPicture)
        wl_buffer_destroy(std::exchange(m_cursorPicture, nullptr));
}

wl_surface *SeatInput::cursorSurface(QPoint &hotspot) {
    switch (m_cursorShape.shape()) {
    case Qt::CrossCursor:
        return themed("crosshair", hotspot);
    case Qt::IBeamCursor:
        return themed("xterm", hotspot);
    case Qt::BitmapCursor: {
        const QPixmap pixmap = m_cursorShape.pixmap();
        return pictured(pixmap.toImage(), m_cursorShape.hotSpot(), hotspot);
    }
    default:
        return themed("left_ptr", hotspot);
    }
}

wl_surface *SeatInput::themed(const char *name, QPoint &hotspot) {
    if (!m_cursorTheme && m_shm && m_compositor) {
        const int size = qEnvironmentVariableIntValue("XCURSOR_SIZE");
        const QByteArray theme = qgetenv("XCURSOR_THEME");
        m_cursorTheme = wl_cursor_theme_load(theme.isEmpty() ? nullptr : theme.constData(),
                                             size > 0 ? size : 24, m_shm);
    }
    wl_cursor *cursor = nullptr;
    for (const char *candidate : {name, "left_ptr", "default"}) {
        if (m_cursorTheme && (cursor = wl_cursor_theme_get_cursor(m_cursorTheme, candidate)))
            break;
    }
    if (!cursor || cursor->image_count == 0)
        return nullptr;
    wl_cursor_image *image = cursor->images[0];
    wl_surface *surface = wl_compositor_create_surface(m_compositor);
    wl_surface_attach(surface, wl_cursor_image_get_buffer(image), 0, 0);
    wl_surface_damage_buffer(surface, 0, 0, int(image->width), int(image->height));
    wl_surface_commit(surface);
    hotspot = QPoint(int(image->hotspot_x), int(image->hotspot_y));
    return surface;
}

wl_surface *SeatInput::pictured(const QImage &picture, QPoint hotSpot, QPoint &hotspot) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto size = size_t(image.sizeInBytes());
    const int fd = ::memfd_create("quillory-cursor", MFD_CLOEXEC);
    void *memory = nullptr;
    if (!m_shm || !m_compositor || image.isNull() || fd < 0 || ::ftruncate(fd, off_t(size)) < 0 ||
        (memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)) == MAP_FAILED) {
        if (fd >= 0)
            ::close(fd);
        return themed("crosshair", hotspot);
    }
    std::memcpy(memory, image.constBits(), size);
    ::munmap(memory, size);
    wl_shm_pool *pool = wl_shm_create_pool(m_shm, fd, int(size));
    ::close(fd);
    // ARGB8888 is premultiplied ARGB in the machine's byte order, as Qt's format is.
    m_cursorPicture = wl_shm_pool_create_buffer(pool, 0, image.width(), image.height(),
                                                int(image.bytesPerLine()), WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    wl_surface *surface = wl_compositor_create_surface(m_compositor);
    const int scale = std::max(1, qRound(picture.devicePixelRatio()));
    wl_surface_set_buffer_scale(surface, scale);
    wl_surface_attach(surface, m_cursorPicture, 0, 0);
    wl_surface_damage_buffer(surface, 0, 0, image.width(), image.height());
    wl_surface_commit(surface);
    hotspot = hotSpot; // in the surface's (logical) pixels, as the shape gives it
    return surface;
}

void SeatInput::mouse(int type, Qt::MouseButton button) {
    if (!m_over)
        return;
    QMouseEvent event(QEvent::Type(type), m_position, m_position, m_position, button, m_buttons,
                      modifiers());
    send(event);
}

void SeatInput::wheel() {
    const int angle = std::exchange(m_wheel, 0);
    m_discrete = false;
    if (!m_over || angle == 0)
        return;
    QWheelEvent event(m_position, m_position, QPoint(), QPoint(0, angle), m_buttons, modifiers(),
                      Qt::NoScrollPhase, false);
    send(event);
}

void SeatInput::keymap(int fd, quint32 size) {
    void *map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (map == MAP_FAILED)
        return QLOG_ERROR("The compositor's key map could not be read");
    const char *text = static_cast<const char *>(map);
    xkb_keymap *keymap = xkb_keymap_new_from_buffer(
        m_xkb, text, ::strnlen(text, size), XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    ::munmap(map, size);
    if (!keymap)
        return QLOG_ERROR("The compositor's key map could not be read");
    if (m_state)
        xkb_state_unref(m_state);
    if (m_keymap)
        xkb_keymap_unref(m_keymap);
    m_keymap = keymap;
    m_state = xkb_state_new(keymap);
}

Qt::KeyboardModifiers SeatInput::modifiers() const {
    Qt::KeyboardModifiers held;
    if (!m_state)
        return held;
    const auto active = [this](const char *name) {
        return xkb_state_mod_name_is_active(m_state, name, XKB_STATE_MODS_EFFECTIVE) > 0;
    };
    held.setFlag(Qt::ShiftModifier, active(XKB_MOD_NAME_SHIFT));
    held.setFlag(Qt::ControlModifier, active(XKB_MOD_NAME_CTRL));
    held.setFlag(Qt::AltModifier, active(XKB_MOD_NAME_ALT));
    held.setFlag(Qt::MetaModifier, active(XKB_MOD_NAME_LOGO));
    return held;
}

void SeatInput::key(quint32 code, bool pressed) {
    if (!m_state)
        return;
    // X11's key codes are the kernel's plus 8, as xkbcommon's are.
    const xkb_keycode_t keycode = code + 8;
    const bool repeated = pressed && code == m_repeatKey && m_repeat.isActive();
    if (pressed && !repeated) {
        m_repeat.stop();
        if (m_repeatRate > 0 && xkb_keymap_key_repeats(m_keymap, keycode)) {
            m_repeatKey = code;
            m_repeat.start(m_repeatDelay);
        }
    } else if (!pressed && code == m_repeatKey) {
        m_repeat.stop();
    }
    xkb_keysym_t keysym = xkb_state_key_get_one_sym(m_state, keycode);
    char utf8[64] = {};
    xkb_state_key_get_utf8(m_state, keycode, utf8, sizeof utf8);
    // Dead keys and Compose sequences, as the locale defines them: a key that begins or
    // continues one types nothing yet, the last one types the composed character, and one
    // that leads nowhere types nothing.
    if (pressed && m_compose &&
        xkb_compose_state_feed(m_compose, keysym) == XKB_COMPOSE_FEED_ACCEPTED) {
        switch (xkb_compose_state_get_status(m_compose)) {
        case XKB_COMPOSE_COMPOSING:
            return;
        case XKB_COMPOSE_CANCELLED:
            xkb_compose_state_reset(m_compose);
            return;
        case XKB_COMPOSE_COMPOSED:
            keysym = xkb_compose_state_get_one_sym(m_compose);
            xkb_compose_state_get_utf8(m_compose, utf8, sizeof utf8);
            xkb_compose_state_reset(m_compose);
            break;
        case XKB_COMPOSE_NOTHING:
            break;
        }
    }
    const QString text = QString::fromUtf8(utf8);
    // The compositor tells the modifiers after the key that changed them: a modifier's own
    // key carries what holds once it is through.
    const int qt = qtKey(keysym, text);
    Qt::KeyboardModifiers held = modifiers();
    for (const auto &[key, modifier] :
         {std::pair(Qt::Key_Shift, Qt::ShiftModifier),
          std::pair(Qt::Key_Control, Qt::ControlModifier), std::pair(Qt::Key_Alt, Qt::AltModifier),
          std::pair(Qt::Key_Super_L, Qt::MetaModifier),
          std::pair(Qt::Key_Super_R, Qt::MetaModifier)}) {
        if (qt == key)
            held.setFlag(modifier, pressed);
    }
    QKeyEvent event(pressed ? QEvent::KeyPress : QEvent::KeyRelease, qt, held, keycode, keysym, 0,
                    text, repeated);
    send(event);
}

void SeatInput::repeat() {
    // The compositor leaves repeating to its clients.
    if (m_repeat.interval() != 1000 / std::max(1, m_repeatRate))
        m_repeat.start(1000 / std::max(1, m_repeatRate));
    key(m_repeatKey, true);
}

int SeatInput::qtKey(quint32 keysym, const QString &text) {
    if (keysym >= XKB_KEY_F1 && keysym <= XKB_KEY_F35)
        return Qt::Key_F1 + int(keysym - XKB_KEY_F1);
    switch (keysym) {
    case XKB_KEY_Escape:
        return Qt::Key_Escape;
    case XKB_KEY_Return:
        return Qt::Key_Return;
    case XKB_KEY_KP_Enter:
        return Qt::Key_Enter;
    case XKB_KEY_BackSpace:
        return Qt::Key_Backspace;
    case XKB_KEY_Delete:
    case XKB_KEY_KP_Delete:
        return Qt::Key_Delete;
    case XKB_KEY_Insert:
        return Qt::Key_Insert;
    case XKB_KEY_Tab:
        return Qt::Key_Tab;
    case XKB_KEY_ISO_Left_Tab:
        return Qt::Key_Backtab;
    case XKB_KEY_Left:
        return Qt::Key_Left;
    case XKB_KEY_Right:
        return Qt::Key_Right;
    case XKB_KEY_Up:
        return Qt::Key_Up;
    case XKB_KEY_Down:
        return Qt::Key_Down;
    case XKB_KEY_Page_Up:
        return Qt::Key_PageUp;
    case XKB_KEY_Page_Down:
        return Qt::Key_PageDown;
    case XKB_KEY_Home:
        return Qt::Key_Home;
    case XKB_KEY_End:
        return Qt::Key_End;
    case XKB_KEY_Shift_L:
    case XKB_KEY_Shift_R:
        return Qt::Key_Shift;
    case XKB_KEY_Control_L:
    case XKB_KEY_Control_R:
        return Qt::Key_Control;
    case XKB_KEY_Alt_L:
    case XKB_KEY_Alt_R:
        return Qt::Key_Alt;
    case XKB_KEY_ISO_Level3_Shift:
        return Qt::Key_AltGr;
    case XKB_KEY_Meta_L:
    case XKB_KEY_Meta_R:
        return Qt::Key_Meta;
    case XKB_KEY_Super_L:
        return Qt::Key_Super_L;
    case XKB_KEY_Super_R:
        return Qt::Key_Super_R;
    case XKB_KEY_Caps_Lock:
        return Qt::Key_CapsLock;
    default:
        break;
    }
    // Letters, digits, space and punctuation: Qt's key is the character, upper case, as the
    // symbol writes it without Ctrl (which would make "s" a control character).
    const char32_t character = xkb_keysym_to_utf32(keysym);
    if (character >= 0x20 && character != 0x7f)
        return int(QChar::toUpper(character));
    return text.size() == 1 && text.at(0) >= u' ' ? int(text.at(0).toUpper().unicode()) : 0;
}

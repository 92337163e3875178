#include "platform/x11/X11HotKeyBackend.h"

#include "platform/DiagnosticLog.h"
#include "platform/ModifierFlags.h"
#include "platform/x11/KeyCodeTranslation.h"
#include "platform/x11/X11.h"

#include <QCoreApplication>

#include <xcb/xcb_keysyms.h>

namespace {
constexpr uint16_t kRelevant =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
constexpr uint8_t kBadAccess = 10;
constexpr uint32_t kNumLockKeysym = 0xff7f;

// The modifier bit Num Lock sets: the modifier whose keys include the Num Lock key.
uint16_t numLockMask(xcb_connection_t *conn) {
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(conn);
    const XcbReply<xcb_keycode_t> numLockCodes(
        symbols ? xcb_key_symbols_get_keycode(symbols, kNumLockKeysym) : nullptr);
    uint16_t mask = 0;
    const XcbReply<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(conn, xcb_get_modifier_mapping(conn), nullptr));
    if (mapping && numLockCodes) {
        const xcb_keycode_t *codes = xcb_get_modifier_mapping_keycodes(mapping.get());
        const int perModifier = mapping->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8 && !mask; ++modifier) {
            for (int i = 0; i < perModifier && !mask; ++i) {
                const xcb_keycode_t code = codes[modifier * perModifier + i];
                for (const xcb_keycode_t *n = numLockCodes.get(); code && *n; ++n)
                    if (*n == code)
                        mask = uint16_t(1u << modifier);
            }
        }
    }
    if (symbols)
        xcb_key_symbols_free(symbols);
    return mask;
}
} // namespace

std::unique_ptr<X11HotKeyBackend> X11HotKeyBackend::create() {
    xcb_connection_t *conn = X11::connection();
    if (!conn)
        return nullptr;
    return std::unique_ptr<X11HotKeyBackend>(new X11HotKeyBackend(conn));
}

X11HotKeyBackend::X11HotKeyBackend(xcb_connection_t *connection)
    : m_connection(connection)
    , m_root(X11::rootWindow())
    , m_numLock(numLockMask(connection)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11HotKeyBackend::~X11HotKeyBackend() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    for (const Grab &grab : std::as_const(m_grabs))
        ungrab(grab.keycode, grab.modifiers);
    xcb_flush(m_connection);
}

uint16_t X11HotKeyBackend::xModifiers(quint32 carbon) {
    uint16_t mask = 0;
    if (carbon & CarbonCommand)
        mask |= XCB_MOD_MASK_CONTROL;
    if (carbon & CarbonShift)
        mask |= XCB_MOD_MASK_SHIFT;
    if (carbon & CarbonOption)
        mask |= XCB_MOD_MASK_1;
    if (carbon & CarbonControl)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

QList<uint16_t> X11HotKeyBackend::lockVariants() const {
    QList<uint16_t> variants{0, XCB_MOD_MASK_LOCK};
    if (m_numLock)
        variants << m_numLock << uint16_t(m_numLock | XCB_MOD_MASK_LOCK);
    return variants;
}

int X11HotKeyBackend::grab(xcb_keycode_t keycode, uint16_t modifiers) {
    // Checked requests: a grab another client holds answers BadAccess for each variant.
    QList<uint16_t> grabbed;
    int status = noErr;
    for (const uint16_t variant : lockVariants()) {
        const xcb_void_cookie_t cookie =
            xcb_grab_key_checked(m_connection, 0, m_root, uint16_t(modifiers | variant), keycode,
                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (const XcbReply<xcb_generic_error_t> error{xcb_request_check(m_connection, cookie)}) {
            if (error->error_code == kBadAccess) {
                status = eventHotKeyExistsErr;
            } else {
                QLOG_ERROR("Key grab failed with X error", int(error->error_code));
                if (status == noErr)
                    status = eventInternalErr;
            }
        } else {
            grabbed << variant;
        }
    }
    if (status != noErr) {
        for (const uint16_t variant : std::as_const(grabbed))
            xcb_ungrab_key(m_connection, keycode, m_root, uint16_t(modifiers | variant));
    }
    xcb_flush(m_connection);
    return status;
}

void X11HotKeyBackend::ungrab(xcb_keycode_t keycode, uint16_t modifiers) {
    for (const uint16_t variant : lockVariants())
        xcb_ungrab_key(m_connection, keycode, m_root, uint16_t(modifiers | variant));
}

int X11HotKeyBackend::registerHotKey(quint32 keyCode, quint32 carbonModifiers, quint32 signature,
                                     quint32 id, void **reference) {
    const std::optional<quint32> x11 = KeyCodeTranslation::x11Keycode(keyCode);
    if (!x11 || *x11 > 255)
        return eventHotKeyInvalidErr;
    const auto keycode = xcb_keycode_t(*x11);
    const uint16_t modifiers = xModifiers(carbonModifiers);
    const quint32 key = combination(keycode, modifiers);
    auto entry = m_grabs.find(key);
    if (entry == m_grabs.end()) {
        if (const int status = grab(keycode, modifiers); status != noErr)
            return status;
        entry = m_grabs.insert(key, Grab{keycode, modifiers, {}});
    }
    entry->registrations.append(Registration{++m_lastReference, {signature, id}});
    m_combinations.insert(m_lastReference, key);
    *reference = reinterpret_cast<void *>(m_lastReference);
    return noErr;
}

int X11HotKeyBackend::unregisterHotKey(void *reference) {
    const auto key = reinterpret_cast<quintptr>(reference);
    const auto found = m_combinations.constFind(key);
    if (found == m_combinations.cend())
        return eventHotKeyInvalidErr;
    const auto entry = m_grabs.find(*found);
    m_combinations.erase(found);
    entry->registrations.removeIf(
        [key](const Registration &registration) { return registration.reference == key; });
    if (entry->registrations.isEmpty()) {
        ungrab(entry->keycode, entry->modifiers);
        xcb_flush(m_connection);
        m_grabs.erase(entry);
    }
    return noErr;
}

int X11HotKeyBackend::installEventHandler(EventHandler handler, void **reference) {
    m_handler = std::move(handler);
    *reference = this;
    return noErr;
}

bool X11HotKeyBackend::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t" || !m_handler)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const uint8_t type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
    // Only events the grabs produced: reported to the root window (owner_events off), for a
    // grabbed key with exactly its modifiers; lock keys do not count.
    if (key->event != m_root)
        return false;
    HotKeyEvent hotKeyEvent;
    if (type == XCB_KEY_PRESS) {
        const auto entry = m_grabs.constFind(combination(key->detail, key->state & kRelevant));
        if (entry == m_grabs.cend())
            return false;
        hotKeyEvent = {kEventHotKeyPressed, entry->registrations.last().hotKeyID, noErr};
        m_pressed.insert(key->detail, hotKeyEvent.hotKeyID);
    } else {
        // A release belongs to the press it ends, whatever modifiers went up before it.
        const auto pressed = m_pressed.constFind(key->detail);
        if (pressed == m_pressed.cend())
            return false;
        hotKeyEvent = {kEventHotKeyReleased, *pressed, noErr};
        m_pressed.erase(pressed);
    }
    return m_handler(&hotKeyEvent) == noErr;
}

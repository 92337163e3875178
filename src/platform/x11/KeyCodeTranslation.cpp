#include "platform/x11/KeyCodeTranslation.h"

#include "core/Key.h"
#include "platform/x11/X11.h"

#include <xcb/xcb_keysyms.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>

namespace {
constexpr quint32 kEvdevOffset = 8;
} // namespace

std::optional<quint32> KeyCodeTranslation::virtualKeyCode(quint32 x11Keycode) {
    if (x11Keycode < kEvdevOffset)
        return std::nullopt;
    const std::optional<Key> key = keyFromEvdevCode(x11Keycode - kEvdevOffset);
    return key ? std::optional(carbonKeyCode(*key)) : std::nullopt;
}

std::optional<quint32> KeyCodeTranslation::x11Keycode(quint32 virtualKeyCode) {
    const std::optional<Key> key = keyFromCarbonKeyCode(virtualKeyCode);
    return key ? std::optional(evdevCode(*key) + kEvdevOffset) : std::nullopt;
}

namespace {

// The keysym of the key's first level in the X server's layout; XCB_NO_SYMBOL off X11.
xcb_keysym_t x11Keysym(quint32 keycode) {
    xcb_connection_t *conn = X11::connection();
    if (!conn)
        return XCB_NO_SYMBOL;
    // Read afresh: the layout may have changed since the last time.
    const std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(
        xcb_key_symbols_alloc(conn), &xcb_key_symbols_free);
    return symbols ? xcb_key_symbols_get_keysym(symbols.get(), xcb_keycode_t(keycode), 0)
                   : XCB_NO_SYMBOL;
}

// The same from xkbcommon's default keymap (US), for when there is no X server to ask.
xkb_keysym_t defaultKeysym(quint32 keycode) {
    const std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(XKB_CONTEXT_NO_FLAGS), &xkb_context_unref);
    if (!context)
        return XKB_KEY_NoSymbol;
    const std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_keymap_new_from_names(context.get(), nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS),
        &xkb_keymap_unref);
    const xkb_keysym_t *syms = nullptr;
    if (!keymap || xkb_keymap_key_get_syms_by_level(keymap.get(), keycode, 0, 0, &syms) < 1)
        return XKB_KEY_NoSymbol;
    return syms[0];
}

} // namespace

QString KeyCodeTranslation::keysymName(quint32 virtualKeyCode) {
    const std::optional<quint32> keycode = x11Keycode(virtualKeyCode);
    if (!keycode)
        return {};
    xkb_keysym_t keysym = x11Keysym(*keycode);
    if (keysym == XCB_NO_SYMBOL)
        keysym = defaultKeysym(*keycode);
    char name[64] = {};
    if (keysym == XKB_KEY_NoSymbol || xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return {};
    return QString::fromLatin1(name);
}

QString KeyCodeTranslation::layoutText(quint32 virtualKeyCode) {
    const std::optional<quint32> keycode = x11Keycode(virtualKeyCode);
    if (!keycode)
        return {};
    const xcb_keysym_t keysym = x11Keysym(*keycode);
    char text[8] = {};
    if (keysym == XCB_NO_SYMBOL || xkb_keysym_to_utf8(keysym, text, sizeof text) <= 1)
        return {};
    const QString character = QString::fromUtf8(text);
    return character.size() == 1 && character.at(0).isPrint() && !character.at(0).isSpace()
               ? character.toUpper()
               : QString();
}

QString KeyCodeTranslation::keyLabel(Key key) {
    const QString text = layoutText(carbonKeyCode(key));
    return text.isEmpty() ? description(key) : text;
}

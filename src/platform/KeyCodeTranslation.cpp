#include "platform/KeyCodeTranslation.h"

#include "core/Key.h"
#include "platform/X11.h"

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

QString KeyCodeTranslation::layoutText(quint32 virtualKeyCode) {
    xcb_connection_t *conn = X11::connection();
    const std::optional<quint32> keycode = x11Keycode(virtualKeyCode);
    if (!conn || !keycode)
        return {};
    // Read afresh: the layout may have changed since the last time.
    const std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(
        xcb_key_symbols_alloc(conn), &xcb_key_symbols_free);
    if (!symbols)
        return {};
    const xcb_keysym_t keysym =
        xcb_key_symbols_get_keysym(symbols.get(), xcb_keycode_t(*keycode), 0);
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

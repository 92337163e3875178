#include "platform/KeyCodeTranslation.h"

#include "core/Key.h"

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

#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <optional>

// A key as a physical position, named after the reference keyboard's ANSI layout. The case
// order is fixed: it is the case index. `return` and `delete` are C++ keywords and so carry
// a trailing underscore.
enum class Key : quint8 {
    // clang-format off
    a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r, s, t, u, v, w, x, y, z,
    zero, one, two, three, four, five, six, seven, eight, nine,
    period, quote, rightBracket, semicolon, slash, backslash, comma, equal, grave, leftBracket,
    minus, space, tab, return_,
    command, rightCommand, option, rightOption, control, rightControl, shift, rightShift,
    function, capsLock,
    pageUp, pageDown, home, end, upArrow, rightArrow, downArrow, leftArrow,
    f1, f2, f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16, f17, f18, f19, f20,
    keypad0, keypad1, keypad2, keypad3, keypad4, keypad5, keypad6, keypad7, keypad8, keypad9,
    keypadClear, keypadDecimal, keypadDivide, keypadEnter, keypadEquals, keypadMinus,
    keypadMultiply, keypadPlus,
    escape, delete_, forwardDelete, help, volumeUp, volumeDown, mute,
    // clang-format on
};

inline constexpr int kKeyCount = int(Key::mute) + 1;
static_assert(kKeyCount == 113);

// Every key in case order.
const std::array<Key, kKeyCount> &allKeys();

// The reference platform's virtual key code of the key.
quint32 carbonKeyCode(Key key);

// The key at a virtual key code, or nothing for a code no key has.
std::optional<Key> keyFromCarbonKeyCode(quint32 carbonKeyCode);

// The text that shows the key to the user, e.g. "A", "⇧" or U+F860 "F5".
QString description(Key key);

// The names a stored shortcut may use for the key, as written in the key table; they are
// compared without regard to letter case.
QStringList acceptedNames(Key key);

// The key one of whose accepted names equals the text, ignoring letter case; nothing when
// none does.
std::optional<Key> keyFromName(const QString &name);

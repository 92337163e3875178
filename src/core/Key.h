#pragma once

#include <QString>
#include <QStringList>
#include <Qt>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <optional>

// A key as a physical position, named after the ANSI key positions. The case order is fixed: it
// is the case index. `return` and `delete` are C++ keywords and so carry a trailing underscore.
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

// Everything Quillory knows about one key position.
struct KeyPosition {
    Key key;
    // The virtual key code of the position: the ANSI key positions' codes (kVK_ values).
    quint8 carbonKeyCode;
    // The Linux input event code of the same position; X11 reports evdev + 8.
    quint16 evdevCode;
    // The text that shows the key to the user.
    const char16_t *description;
    // The names a stored shortcut may use for the key, compared without regard to letter
    // case; unused slots stay null.
    std::array<const char16_t *, 5> names;
    // The key a PC keyboard has at the position, as Qt names it: Help is Insert and keypad
    // Clear is Num Lock there, and Qt has no key for Fn.
    QKeyCombination qtKey;
};

// One row per key, in case order. Function keys show a private-use prefix (U+F860 for one
// digit, U+F861 for two) and accept that description as a name too. Modifier keys follow the
// desktop convention: Ctrl plays Command, Super plays Control, Alt plays Option.
// {key, virtual key code, evdev code, description, accepted names, Qt key}
inline constexpr KeyPosition kKeyPositions[] = {
    {Key::a, 0, 30, u"A", {u"a"}, Qt::Key_A},
    {Key::b, 11, 48, u"B", {u"b"}, Qt::Key_B},
    {Key::c, 8, 46, u"C", {u"c"}, Qt::Key_C},
    {Key::d, 2, 32, u"D", {u"d"}, Qt::Key_D},
    {Key::e, 14, 18, u"E", {u"e"}, Qt::Key_E},
    {Key::f, 3, 33, u"F", {u"f"}, Qt::Key_F},
    {Key::g, 5, 34, u"G", {u"g"}, Qt::Key_G},
    {Key::h, 4, 35, u"H", {u"h"}, Qt::Key_H},
    {Key::i, 34, 23, u"I", {u"i"}, Qt::Key_I},
    {Key::j, 38, 36, u"J", {u"j"}, Qt::Key_J},
    {Key::k, 40, 37, u"K", {u"k"}, Qt::Key_K},
    {Key::l, 37, 38, u"L", {u"l"}, Qt::Key_L},
    {Key::m, 46, 50, u"M", {u"m"}, Qt::Key_M},
    {Key::n, 45, 49, u"N", {u"n"}, Qt::Key_N},
    {Key::o, 31, 24, u"O", {u"o"}, Qt::Key_O},
    {Key::p, 35, 25, u"P", {u"p"}, Qt::Key_P},
    {Key::q, 12, 16, u"Q", {u"q"}, Qt::Key_Q},
    {Key::r, 15, 19, u"R", {u"r"}, Qt::Key_R},
    {Key::s, 1, 31, u"S", {u"s"}, Qt::Key_S},
    {Key::t, 17, 20, u"T", {u"t"}, Qt::Key_T},
    {Key::u, 32, 22, u"U", {u"u"}, Qt::Key_U},
    {Key::v, 9, 47, u"V", {u"v"}, Qt::Key_V},
    {Key::w, 13, 17, u"W", {u"w"}, Qt::Key_W},
    {Key::x, 7, 45, u"X", {u"x"}, Qt::Key_X},
    {Key::y, 16, 21, u"Y", {u"y"}, Qt::Key_Y},
    {Key::z, 6, 44, u"Z", {u"z"}, Qt::Key_Z},
    {Key::zero, 29, 11, u"0", {u"zero", u"0"}, Qt::Key_0},
    {Key::one, 18, 2, u"1", {u"one", u"1"}, Qt::Key_1},
    {Key::two, 19, 3, u"2", {u"two", u"2"}, Qt::Key_2},
    {Key::three, 20, 4, u"3", {u"three", u"3"}, Qt::Key_3},
    {Key::four, 21, 5, u"4", {u"four", u"4"}, Qt::Key_4},
    {Key::five, 23, 6, u"5", {u"five", u"5"}, Qt::Key_5},
    {Key::six, 22, 7, u"6", {u"six", u"6"}, Qt::Key_6},
    {Key::seven, 26, 8, u"7", {u"seven", u"7"}, Qt::Key_7},
    {Key::eight, 28, 9, u"8", {u"eight", u"8"}, Qt::Key_8},
    {Key::nine, 25, 10, u"9", {u"nine", u"9"}, Qt::Key_9},
    {Key::period, 47, 52, u".", {u"period", u"."}, Qt::Key_Period},
    {Key::quote, 39, 40, u"\"", {u"quote", u"\""}, Qt::Key_Apostrophe},
    {Key::rightBracket, 30, 27, u"]", {u"rightBracket", u"]"}, Qt::Key_BracketRight},
    {Key::semicolon, 41, 39, u";", {u"semicolon", u";"}, Qt::Key_Semicolon},
    {Key::slash, 44, 53, u"/", {u"slash", u"/"}, Qt::Key_Slash},
    {Key::backslash, 42, 43, u"\\", {u"backslash", u"\\"}, Qt::Key_Backslash},
    {Key::comma, 43, 51, u",", {u"comma", u","}, Qt::Key_Comma},
    {Key::equal, 24, 13, u"=", {u"equal", u"="}, Qt::Key_Equal},
    {Key::grave, 50, 41, u"`", {u"grave", u"`", u"\u02CB", u"\uFF40"}, Qt::Key_QuoteLeft},
    {Key::leftBracket, 33, 26, u"[", {u"leftBracket", u"["}, Qt::Key_BracketLeft},
    {Key::minus, 27, 12, u"-", {u"minus", u"-"}, Qt::Key_Minus},
    {Key::space, 49, 57, u"\u2423", {u"space", u" ", u"\u2423"}, Qt::Key_Space},
    {Key::tab, 48, 15, u"\u21E5", {u"tab", u"\t", u"\u21E5"}, Qt::Key_Tab},
    {Key::return_,
     36,
     28,
     u"\u21A9\uFE0E",
     {u"return", u"\r", u"\u21A9\uFE0E", u"\u23CE", u"\u2B90"},
     Qt::Key_Return},
    {Key::command, 55, 29, u"\u2318", {u"command", u"\u2318", u"\uF8FF"}, Qt::Key_Control},
    {Key::rightCommand, 54, 97, u"\u2318", {u"rightcommand"}, Qt::Key_Control},
    {Key::option, 58, 56, u"\u2325", {u"option", u"\u2325"}, Qt::Key_Alt},
    {Key::rightOption, 61, 100, u"\u2325", {u"rightoption"}, Qt::Key_Alt},
    {Key::control, 59, 125, u"\u2303", {u"control", u"\u2303"}, Qt::Key_Meta},
    {Key::rightControl, 62, 126, u"\u2303", {u"rightcontrol"}, Qt::Key_Meta},
    {Key::shift, 56, 42, u"\u21E7", {u"shift", u"\u21E7"}, Qt::Key_Shift},
    {Key::rightShift, 60, 54, u"\u21E7", {u"rightshift"}, Qt::Key_Shift},
    {Key::function, 63, 464, u"fn", {u"function", u"fn"}, Qt::Key_unknown},
    {Key::capsLock, 57, 58, u"\u21EA", {u"capslock", u"\u21EA"}, Qt::Key_CapsLock},
    {Key::pageUp, 116, 104, u"\u21DE", {u"pageup", u"\u21DE"}, Qt::Key_PageUp},
    {Key::pageDown, 121, 109, u"\u21DF", {u"pagedown", u"\u21DF"}, Qt::Key_PageDown},
    {Key::home, 115, 102, u"\u2196", {u"home", u"\u2196"}, Qt::Key_Home},
    {Key::end, 119, 107, u"\u2198", {u"end", u"\u2198"}, Qt::Key_End},
    {Key::upArrow, 126, 103, u"\u2191", {u"uparrow", u"\u2191"}, Qt::Key_Up},
    {Key::rightArrow, 124, 106, u"\u2192", {u"rightarrow", u"\u2192"}, Qt::Key_Right},
    {Key::downArrow, 125, 108, u"\u2193", {u"downarrow", u"\u2193"}, Qt::Key_Down},
    {Key::leftArrow, 123, 105, u"\u2190", {u"leftarrow", u"\u2190"}, Qt::Key_Left},
    {Key::f1, 122, 59, u"\uF860F1", {u"f1", u"\uF860F1"}, Qt::Key_F1},
    {Key::f2, 120, 60, u"\uF860F2", {u"f2", u"\uF860F2"}, Qt::Key_F2},
    {Key::f3, 99, 61, u"\uF860F3", {u"f3", u"\uF860F3"}, Qt::Key_F3},
    {Key::f4, 118, 62, u"\uF860F4", {u"f4", u"\uF860F4"}, Qt::Key_F4},
    {Key::f5, 96, 63, u"\uF860F5", {u"f5", u"\uF860F5"}, Qt::Key_F5},
    {Key::f6, 97, 64, u"\uF860F6", {u"f6", u"\uF860F6"}, Qt::Key_F6},
    {Key::f7, 98, 65, u"\uF860F7", {u"f7", u"\uF860F7"}, Qt::Key_F7},
    {Key::f8, 100, 66, u"\uF860F8", {u"f8", u"\uF860F8"}, Qt::Key_F8},
    {Key::f9, 101, 67, u"\uF860F9", {u"f9", u"\uF860F9"}, Qt::Key_F9},
    {Key::f10, 109, 68, u"\uF861F10", {u"f10", u"\uF861F10"}, Qt::Key_F10},
    {Key::f11, 103, 87, u"\uF861F11", {u"f11", u"\uF861F11"}, Qt::Key_F11},
    {Key::f12, 111, 88, u"\uF861F12", {u"f12", u"\uF861F12"}, Qt::Key_F12},
    {Key::f13, 105, 183, u"\uF861F13", {u"f13", u"\uF861F13"}, Qt::Key_F13},
    {Key::f14, 107, 184, u"\uF861F14", {u"f14", u"\uF861F14"}, Qt::Key_F14},
    {Key::f15, 113, 185, u"\uF861F15", {u"f15", u"\uF861F15"}, Qt::Key_F15},
    {Key::f16, 106, 186, u"\uF861F16", {u"f16", u"\uF861F16"}, Qt::Key_F16},
    {Key::f17, 64, 187, u"\uF861F17", {u"f17", u"\uF861F17"}, Qt::Key_F17},
    {Key::f18, 79, 188, u"\uF861F18", {u"f18", u"\uF861F18"}, Qt::Key_F18},
    {Key::f19, 80, 189, u"\uF861F19", {u"f19", u"\uF861F19"}, Qt::Key_F19},
    {Key::f20, 90, 190, u"\uF861F20", {u"f20", u"\uF861F20"}, Qt::Key_F20},
    {Key::keypad0, 82, 82, u"0", {u"keypad0"}, Qt::KeypadModifier | Qt::Key_0},
    {Key::keypad1, 83, 79, u"1", {u"keypad1"}, Qt::KeypadModifier | Qt::Key_1},
    {Key::keypad2, 84, 80, u"2", {u"keypad2"}, Qt::KeypadModifier | Qt::Key_2},
    {Key::keypad3, 85, 81, u"3", {u"keypad3"}, Qt::KeypadModifier | Qt::Key_3},
    {Key::keypad4, 86, 75, u"4", {u"keypad4"}, Qt::KeypadModifier | Qt::Key_4},
    {Key::keypad5, 87, 76, u"5", {u"keypad5"}, Qt::KeypadModifier | Qt::Key_5},
    {Key::keypad6, 88, 77, u"6", {u"keypad6"}, Qt::KeypadModifier | Qt::Key_6},
    {Key::keypad7, 89, 71, u"7", {u"keypad7"}, Qt::KeypadModifier | Qt::Key_7},
    {Key::keypad8, 91, 72, u"8", {u"keypad8"}, Qt::KeypadModifier | Qt::Key_8},
    {Key::keypad9, 92, 73, u"9", {u"keypad9"}, Qt::KeypadModifier | Qt::Key_9},
    {Key::keypadClear, 71, 69, u"\u2327", {u"keypadclear", u"\u2327"}, Qt::Key_NumLock},
    {Key::keypadDecimal, 65, 83, u".", {u"keypaddecimal"}, Qt::KeypadModifier | Qt::Key_Period},
    {Key::keypadDivide, 75, 98, u"/", {u"keypaddivide"}, Qt::KeypadModifier | Qt::Key_Slash},
    {Key::keypadEnter, 76, 96, u"\u21A9\uFE0E", {u"keypadenter"}, Qt::Key_Enter},
    {Key::keypadEquals, 81, 117, u"=", {u"keypadequals"}, Qt::KeypadModifier | Qt::Key_Equal},
    {Key::keypadMinus, 78, 74, u"-", {u"keypadminus"}, Qt::KeypadModifier | Qt::Key_Minus},
    {Key::keypadMultiply,
     67,
     55,
     u"\U0001D5D1",
     {u"keypadmultiply"},
     Qt::KeypadModifier | Qt::Key_Asterisk},
    {Key::keypadPlus, 69, 78, u"+", {u"keypadplus"}, Qt::KeypadModifier | Qt::Key_Plus},
    {Key::escape, 53, 1, u"\u238B", {u"escape", u"\u238B"}, Qt::Key_Escape},
    {Key::delete_, 51, 14, u"\u232B", {u"delete", u"\u232B"}, Qt::Key_Backspace},
    {Key::forwardDelete, 117, 111, u"\u2326", {u"forwarddelete", u"\u2326"}, Qt::Key_Delete},
    {Key::help, 114, 110, u"?\u20DD", {u"help", u"?\u20DD"}, Qt::Key_Insert},
    {Key::volumeUp, 72, 115, u"\U0001F50A", {u"volumeup", u"\U0001F50A"}, Qt::Key_VolumeUp},
    {Key::volumeDown, 73, 114, u"\U0001F509", {u"volumedown", u"\U0001F509"}, Qt::Key_VolumeDown},
    {Key::mute, 74, 113, u"\U0001F507", {u"mute", u"\U0001F507"}, Qt::Key_VolumeMute},
};
static_assert(std::size(kKeyPositions) == kKeyCount);

constexpr const KeyPosition &keyPosition(Key key) {
    return kKeyPositions[std::size_t(key)];
}

// The virtual key code of the key's position.
constexpr quint32 carbonKeyCode(Key key) {
    return keyPosition(key).carbonKeyCode;
}

constexpr quint32 evdevCode(Key key) {
    return keyPosition(key).evdevCode;
}

constexpr QKeyCombination qtKey(Key key) {
    return keyPosition(key).qtKey;
}

// Every key in case order.
const std::array<Key, kKeyCount> &allKeys();

// The key at a virtual key code, or nothing for a code no key has. Constant time: it runs for
// every key event.
std::optional<Key> keyFromCarbonKeyCode(quint32 carbonKeyCode);

// The key at an evdev code, or nothing. Constant time, as above.
std::optional<Key> keyFromEvdevCode(quint32 evdevCode);

// The text that shows the key to the user, e.g. "A", "⇧" or U+F860 "F5".
QString description(Key key);

// The names a stored shortcut may use for the key, as written in the key table.
QStringList acceptedNames(Key key);

// The key one of whose accepted names equals the text, ignoring letter case; nothing when
// none does.
std::optional<Key> keyFromName(const QString &name);

#include "hotkeys/Key.h"

#include <QList>

#include <utility>

namespace {

struct KeyInfo {
    Key key;
    quint16 code;
    const char16_t *description;
    // Unused slots stay null.
    std::array<const char16_t *, 5> names;
};

// One row per key, in case order. Codes are the reference keyboard's virtual key codes;
// function keys show the reference host's private-use prefix (U+F860 for one digit, U+F861
// for two) and accept that description as a name too.
constexpr KeyInfo kKeys[] = {
    {Key::a, 0, u"A", {u"a"}},
    {Key::b, 11, u"B", {u"b"}},
    {Key::c, 8, u"C", {u"c"}},
    {Key::d, 2, u"D", {u"d"}},
    {Key::e, 14, u"E", {u"e"}},
    {Key::f, 3, u"F", {u"f"}},
    {Key::g, 5, u"G", {u"g"}},
    {Key::h, 4, u"H", {u"h"}},
    {Key::i, 34, u"I", {u"i"}},
    {Key::j, 38, u"J", {u"j"}},
    {Key::k, 40, u"K", {u"k"}},
    {Key::l, 37, u"L", {u"l"}},
    {Key::m, 46, u"M", {u"m"}},
    {Key::n, 45, u"N", {u"n"}},
    {Key::o, 31, u"O", {u"o"}},
    {Key::p, 35, u"P", {u"p"}},
    {Key::q, 12, u"Q", {u"q"}},
    {Key::r, 15, u"R", {u"r"}},
    {Key::s, 1, u"S", {u"s"}},
    {Key::t, 17, u"T", {u"t"}},
    {Key::u, 32, u"U", {u"u"}},
    {Key::v, 9, u"V", {u"v"}},
    {Key::w, 13, u"W", {u"w"}},
    {Key::x, 7, u"X", {u"x"}},
    {Key::y, 16, u"Y", {u"y"}},
    {Key::z, 6, u"Z", {u"z"}},
    {Key::zero, 29, u"0", {u"zero", u"0"}},
    {Key::one, 18, u"1", {u"one", u"1"}},
    {Key::two, 19, u"2", {u"two", u"2"}},
    {Key::three, 20, u"3", {u"three", u"3"}},
    {Key::four, 21, u"4", {u"four", u"4"}},
    {Key::five, 23, u"5", {u"five", u"5"}},
    {Key::six, 22, u"6", {u"six", u"6"}},
    {Key::seven, 26, u"7", {u"seven", u"7"}},
    {Key::eight, 28, u"8", {u"eight", u"8"}},
    {Key::nine, 25, u"9", {u"nine", u"9"}},
    {Key::period, 47, u".", {u"period", u"."}},
    {Key::quote, 39, u"\"", {u"quote", u"\""}},
    {Key::rightBracket, 30, u"]", {u"rightBracket", u"]"}},
    {Key::semicolon, 41, u";", {u"semicolon", u";"}},
    {Key::slash, 44, u"/", {u"slash", u"/"}},
    {Key::backslash, 42, u"\\", {u"backslash", u"\\"}},
    {Key::comma, 43, u",", {u"comma", u","}},
    {Key::equal, 24, u"=", {u"equal", u"="}},
    {Key::grave, 50, u"`", {u"grave", u"`", u"\u02CB", u"\uFF40"}},
    {Key::leftBracket, 33, u"[", {u"leftBracket", u"["}},
    {Key::minus, 27, u"-", {u"minus", u"-"}},
    {Key::space, 49, u"\u2423", {u"space", u" ", u"\u2423"}},
    {Key::tab, 48, u"\u21E5", {u"tab", u"\t", u"\u21E5"}},
    {Key::return_, 36, u"\u21A9\uFE0E", {u"return", u"\r", u"\u21A9\uFE0E", u"\u23CE", u"\u2B90"}},
    {Key::command, 55, u"\u2318", {u"command", u"\u2318", u"\uF8FF"}},
    {Key::rightCommand, 54, u"\u2318", {u"rightcommand"}},
    {Key::option, 58, u"\u2325", {u"option", u"\u2325"}},
    {Key::rightOption, 61, u"\u2325", {u"rightoption"}},
    {Key::control, 59, u"\u2303", {u"control", u"\u2303"}},
    {Key::rightControl, 62, u"\u2303", {u"rightcontrol"}},
    {Key::shift, 56, u"\u21E7", {u"shift", u"\u21E7"}},
    {Key::rightShift, 60, u"\u21E7", {u"rightshift"}},
    {Key::function, 63, u"fn", {u"function", u"fn"}},
    {Key::capsLock, 57, u"\u21EA", {u"capslock", u"\u21EA"}},
    {Key::pageUp, 116, u"\u21DE", {u"pageup", u"\u21DE"}},
    {Key::pageDown, 121, u"\u21DF", {u"pagedown", u"\u21DF"}},
    {Key::home, 115, u"\u2196", {u"home", u"\u2196"}},
    {Key::end, 119, u"\u2198", {u"end", u"\u2198"}},
    {Key::upArrow, 126, u"\u2191", {u"uparrow", u"\u2191"}},
    {Key::rightArrow, 124, u"\u2192", {u"rightarrow", u"\u2192"}},
    {Key::downArrow, 125, u"\u2193", {u"downarrow", u"\u2193"}},
    {Key::leftArrow, 123, u"\u2190", {u"leftarrow", u"\u2190"}},
    {Key::f1, 122, u"\uF860F1", {u"f1", u"\uF860F1"}},
    {Key::f2, 120, u"\uF860F2", {u"f2", u"\uF860F2"}},
    {Key::f3, 99, u"\uF860F3", {u"f3", u"\uF860F3"}},
    {Key::f4, 118, u"\uF860F4", {u"f4", u"\uF860F4"}},
    {Key::f5, 96, u"\uF860F5", {u"f5", u"\uF860F5"}},
    {Key::f6, 97, u"\uF860F6", {u"f6", u"\uF860F6"}},
    {Key::f7, 98, u"\uF860F7", {u"f7", u"\uF860F7"}},
    {Key::f8, 100, u"\uF860F8", {u"f8", u"\uF860F8"}},
    {Key::f9, 101, u"\uF860F9", {u"f9", u"\uF860F9"}},
    {Key::f10, 109, u"\uF861F10", {u"f10", u"\uF861F10"}},
    {Key::f11, 103, u"\uF861F11", {u"f11", u"\uF861F11"}},
    {Key::f12, 111, u"\uF861F12", {u"f12", u"\uF861F12"}},
    {Key::f13, 105, u"\uF861F13", {u"f13", u"\uF861F13"}},
    {Key::f14, 107, u"\uF861F14", {u"f14", u"\uF861F14"}},
    {Key::f15, 113, u"\uF861F15", {u"f15", u"\uF861F15"}},
    {Key::f16, 106, u"\uF861F16", {u"f16", u"\uF861F16"}},
    {Key::f17, 64, u"\uF861F17", {u"f17", u"\uF861F17"}},
    {Key::f18, 79, u"\uF861F18", {u"f18", u"\uF861F18"}},
    {Key::f19, 80, u"\uF861F19", {u"f19", u"\uF861F19"}},
    {Key::f20, 90, u"\uF861F20", {u"f20", u"\uF861F20"}},
    {Key::keypad0, 82, u"0", {u"keypad0"}},
    {Key::keypad1, 83, u"1", {u"keypad1"}},
    {Key::keypad2, 84, u"2", {u"keypad2"}},
    {Key::keypad3, 85, u"3", {u"keypad3"}},
    {Key::keypad4, 86, u"4", {u"keypad4"}},
    {Key::keypad5, 87, u"5", {u"keypad5"}},
    {Key::keypad6, 88, u"6", {u"keypad6"}},
    {Key::keypad7, 89, u"7", {u"keypad7"}},
    {Key::keypad8, 91, u"8", {u"keypad8"}},
    {Key::keypad9, 92, u"9", {u"keypad9"}},
    {Key::keypadClear, 71, u"\u2327", {u"keypadclear", u"\u2327"}},
    {Key::keypadDecimal, 65, u".", {u"keypaddecimal"}},
    {Key::keypadDivide, 75, u"/", {u"keypaddivide"}},
    {Key::keypadEnter, 76, u"\u21A9\uFE0E", {u"keypadenter"}},
    {Key::keypadEquals, 81, u"=", {u"keypadequals"}},
    {Key::keypadMinus, 78, u"-", {u"keypadminus"}},
    {Key::keypadMultiply, 67, u"\U0001D5D1", {u"keypadmultiply"}},
    {Key::keypadPlus, 69, u"+", {u"keypadplus"}},
    {Key::escape, 53, u"\u238B", {u"escape", u"\u238B"}},
    {Key::delete_, 51, u"\u232B", {u"delete", u"\u232B"}},
    {Key::forwardDelete, 117, u"\u2326", {u"forwarddelete", u"\u2326"}},
    {Key::help, 114, u"?\u20DD", {u"help", u"?\u20DD"}},
    {Key::volumeUp, 72, u"\U0001F50A", {u"volumeup", u"\U0001F50A"}},
    {Key::volumeDown, 73, u"\U0001F509", {u"volumedown", u"\U0001F509"}},
    {Key::mute, 74, u"\U0001F507", {u"mute", u"\U0001F507"}},
};
static_assert(std::size(kKeys) == kKeyCount);

constexpr bool inCaseOrder() {
    for (int index = 0; index < kKeyCount; ++index) {
        if (kKeys[index].key != Key(index))
            return false;
    }
    return true;
}
static_assert(inCaseOrder(), "a row of the key table is out of place");

const KeyInfo &info(Key key) {
    return kKeys[std::size_t(key)];
}

// Codes run from 0 to 126, so a flat table answers the code lookups of every key event.
constexpr quint32 kCodeLimit = 127;

struct Lookup {
    std::array<std::optional<Key>, kCodeLimit> byCode;
    QList<std::pair<QString, Key>> names;

    Lookup() {
        for (const KeyInfo &row : kKeys) {
            Q_ASSERT(row.code < kCodeLimit && !byCode[row.code]);
            byCode[row.code] = row.key;
            for (const char16_t *name : row.names) {
                if (name)
                    names.append({QString::fromUtf16(name), row.key});
            }
        }
    }
};

const Lookup &lookup() {
    static const Lookup table;
    return table;
}

} // namespace

const std::array<Key, kKeyCount> &allKeys() {
    static const std::array<Key, kKeyCount> keys = [] {
        std::array<Key, kKeyCount> all{};
        for (int index = 0; index < kKeyCount; ++index)
            all[std::size_t(index)] = Key(index);
        return all;
    }();
    return keys;
}

quint32 carbonKeyCode(Key key) {
    return info(key).code;
}

std::optional<Key> keyFromCarbonKeyCode(quint32 carbonKeyCode) {
    if (carbonKeyCode >= kCodeLimit)
        return std::nullopt;
    return lookup().byCode[carbonKeyCode];
}

QString description(Key key) {
    return QString::fromUtf16(info(key).description);
}

QStringList acceptedNames(Key key) {
    QStringList names;
    for (const char16_t *name : info(key).names) {
        if (name)
            names.append(QString::fromUtf16(name));
    }
    return names;
}

std::optional<Key> keyFromName(const QString &name) {
    // Stored names are lower-cased first and then matched without regard to case, so a
    // table name written in camel case ("rightBracket") still matches. No name belongs to
    // two keys, so the first match is the only one.
    const QString lowered = name.toLower();
    for (const auto &[candidate, key] : lookup().names) {
        if (QString::compare(lowered, candidate, Qt::CaseInsensitive) == 0)
            return key;
    }
    return std::nullopt;
}

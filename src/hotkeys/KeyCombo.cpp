#include "hotkeys/KeyCombo.h"

#include "hotkeys/CarbonModifiers.h"

#include <QKeySequence>
#include <QMetaType>

#include <limits>

namespace {

const QString kKeyCodeKey = QStringLiteral("keyCode");
const QString kModifiersKey = QStringLiteral("modifiers");

// The key a PC keyboard has at the same position, as Qt names it. Keys are positions, so
// Help is the Insert key and keypad Clear the Num Lock key there, as the key translation
// maps them.
QKeyCombination qtKey(Key key) {
    if (key >= Key::a && key <= Key::z)
        return Qt::Key(Qt::Key_A + (int(key) - int(Key::a)));
    if (key >= Key::zero && key <= Key::nine)
        return Qt::Key(Qt::Key_0 + (int(key) - int(Key::zero)));
    if (key >= Key::f1 && key <= Key::f20)
        return Qt::Key(Qt::Key_F1 + (int(key) - int(Key::f1)));
    if (key >= Key::keypad0 && key <= Key::keypad9)
        return Qt::KeypadModifier | Qt::Key(Qt::Key_0 + (int(key) - int(Key::keypad0)));
    switch (key) {
    case Key::period:
        return Qt::Key_Period;
    case Key::quote:
        return Qt::Key_Apostrophe;
    case Key::rightBracket:
        return Qt::Key_BracketRight;
    case Key::semicolon:
        return Qt::Key_Semicolon;
    case Key::slash:
        return Qt::Key_Slash;
    case Key::backslash:
        return Qt::Key_Backslash;
    case Key::comma:
        return Qt::Key_Comma;
    case Key::equal:
        return Qt::Key_Equal;
    case Key::grave:
        return Qt::Key_QuoteLeft;
    case Key::leftBracket:
        return Qt::Key_BracketLeft;
    case Key::minus:
        return Qt::Key_Minus;
    case Key::space:
        return Qt::Key_Space;
    case Key::tab:
        return Qt::Key_Tab;
    case Key::return_:
        return Qt::Key_Return;
    case Key::command:
    case Key::rightCommand:
        return Qt::Key_Control;
    case Key::option:
    case Key::rightOption:
        return Qt::Key_Alt;
    case Key::control:
    case Key::rightControl:
        return Qt::Key_Meta;
    case Key::shift:
    case Key::rightShift:
        return Qt::Key_Shift;
    case Key::capsLock:
        return Qt::Key_CapsLock;
    case Key::pageUp:
        return Qt::Key_PageUp;
    case Key::pageDown:
        return Qt::Key_PageDown;
    case Key::home:
        return Qt::Key_Home;
    case Key::end:
        return Qt::Key_End;
    case Key::upArrow:
        return Qt::Key_Up;
    case Key::rightArrow:
        return Qt::Key_Right;
    case Key::downArrow:
        return Qt::Key_Down;
    case Key::leftArrow:
        return Qt::Key_Left;
    case Key::keypadClear:
        return Qt::Key_NumLock;
    case Key::keypadDecimal:
        return Qt::KeypadModifier | Qt::Key_Period;
    case Key::keypadDivide:
        return Qt::KeypadModifier | Qt::Key_Slash;
    case Key::keypadEnter:
        return Qt::Key_Enter;
    case Key::keypadEquals:
        return Qt::KeypadModifier | Qt::Key_Equal;
    case Key::keypadMinus:
        return Qt::KeypadModifier | Qt::Key_Minus;
    case Key::keypadMultiply:
        return Qt::KeypadModifier | Qt::Key_Asterisk;
    case Key::keypadPlus:
        return Qt::KeypadModifier | Qt::Key_Plus;
    case Key::escape:
        return Qt::Key_Escape;
    case Key::delete_:
        return Qt::Key_Backspace;
    case Key::forwardDelete:
        return Qt::Key_Delete;
    case Key::help:
        return Qt::Key_Insert;
    case Key::volumeUp:
        return Qt::Key_VolumeUp;
    case Key::volumeDown:
        return Qt::Key_VolumeDown;
    case Key::mute:
        return Qt::Key_VolumeMute;
    default:
        // Qt has no key for Fn.
        return Qt::Key_unknown;
    }
}

std::optional<quint32> unsigned32(const QVariant &value) {
    qint64 signedValue = 0;
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
        signedValue = value.toLongLong();
        break;
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::UShort:
        signedValue = qint64(value.toULongLong());
        break;
    case QMetaType::ULongLong:
        if (value.toULongLong() > std::numeric_limits<quint32>::max())
            return std::nullopt;
        signedValue = qint64(value.toULongLong());
        break;
    default:
        // Booleans, characters, floating-point numbers and strings are no key codes, even
        // when QVariant would convert them.
        return std::nullopt;
    }
    if (signedValue < 0 || signedValue > qint64(std::numeric_limits<quint32>::max()))
        return std::nullopt;
    return quint32(signedValue);
}

} // namespace

KeyCombo::KeyCombo(quint32 carbonKeyCode, quint32 carbonModifiers)
    : carbonKeyCode(carbonKeyCode)
    , carbonModifiers(carbonModifiers) {}

KeyCombo::KeyCombo(Key key, ModifierFlags modifiers)
    : carbonKeyCode(::carbonKeyCode(key))
    , carbonModifiers(carbonFlags(modifiers)) {}

KeyCombo::KeyCombo(const QString &stkey, ModifierFlags modifiers)
    : carbonKeyCode(::carbonKeyCode(keyFromName(stkey).value_or(Key::a)))
    , carbonModifiers(carbonFlags(modifiers)) {}

std::optional<Key> KeyCombo::key() const {
    return keyFromCarbonKeyCode(carbonKeyCode);
}

void KeyCombo::setKey(std::optional<Key> key) {
    carbonKeyCode = key ? ::carbonKeyCode(*key) : 0;
}

ModifierFlags KeyCombo::modifiers() const {
    return modifierFlagsFromCarbon(carbonModifiers);
}

void KeyCombo::setModifiers(ModifierFlags modifiers) {
    carbonModifiers = carbonFlags(modifiers);
}

QString KeyCombo::description() const {
    QString text = modifierDescription(modifiers());
    if (const std::optional<Key> k = key())
        text += ::description(*k);
    return text;
}

QString KeyCombo::nativeText() const {
    const Qt::KeyboardModifiers modifiers = qtModifiersFromFlags(this->modifiers());
    const std::optional<Key> k = key();
    const QKeyCombination physical = k ? qtKey(*k) : QKeyCombination(Qt::Key_unknown);
    if (physical.key() != Qt::Key_unknown) {
        return QKeySequence(
                   QKeyCombination(modifiers | physical.keyboardModifiers(), physical.key()))
            .toString(QKeySequence::NativeText);
    }
    // Qt writes modifiers without a key as "Shift+"; they stand alone or before "Fn".
    QString text =
        QKeySequence(QKeyCombination(modifiers, Qt::Key(0))).toString(QKeySequence::NativeText);
    if (text.endsWith(QLatin1Char('+')))
        text.chop(1);
    if (k) {
        if (!text.isEmpty())
            text += QLatin1Char('+');
        text += QStringLiteral("Fn");
    }
    return text;
}

QVariantMap KeyCombo::dictionary() const {
    return {{kKeyCodeKey, qint64(carbonKeyCode)}, {kModifiersKey, qint64(carbonModifiers)}};
}

std::optional<KeyCombo> KeyCombo::fromDictionary(const QVariantMap &dictionary) {
    const std::optional<quint32> keyCode = unsigned32(dictionary.value(kKeyCodeKey));
    const std::optional<quint32> modifiers = unsigned32(dictionary.value(kModifiersKey));
    if (!keyCode || !modifiers)
        return std::nullopt;
    return KeyCombo(*keyCode, *modifiers);
}

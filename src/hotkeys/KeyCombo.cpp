#include "hotkeys/KeyCombo.h"

#include "hotkeys/CarbonModifiers.h"
#include "platform/DiagnosticLog.h"
#include "platform/x11/KeyCodeTranslation.h"

#include <QKeySequence>
#include <QMetaType>

#include <limits>

namespace {

const QString kKeyCodeKey = QStringLiteral("keyCode");
const QString kModifiersKey = QStringLiteral("modifiers");

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

KeyCombo::KeyCombo(const QString &stkey, ModifierFlags modifiers) {
    const std::optional<Key> key = keyFromName(stkey);
    if (!key) {
        QLOG_ERROR("No key is named", u'"' + stkey + u'"', "- the shortcut is left unset");
        return;
    }
    carbonKeyCode = ::carbonKeyCode(*key);
    carbonModifiers = carbonFlags(modifiers);
}

std::optional<Key> KeyCombo::key() const {
    return keyFromCarbonKeyCode(carbonKeyCode);
}

void KeyCombo::setKey(std::optional<Key> key) {
    carbonKeyCode = key ? ::carbonKeyCode(*key) : noKeyCode;
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

QString KeyCombo::labelText() const {
    QString text = nativeText();
    const QString label = KeyCodeTranslation::layoutText(carbonKeyCode);
    const int plus = text.lastIndexOf(u'+', text.size() - 2);
    if (!label.isEmpty() && label != u"+"_qs)
        text = text.left(plus + 1) + label;
    return text;
}

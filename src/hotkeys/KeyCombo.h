#pragma once

#include "core/Key.h"
#include "platform/ModifierFlags.h"

#include <QString>
#include <QVariantMap>
#include <QtGlobal>

#include <optional>

// A global shortcut in the hotkey service's terms: a virtual key code and a Carbon modifier
// mask. The code need not belong to a key; such a combination shows its modifiers alone.
struct KeyCombo {
    // A code no key has. Code 0 is the key `a`, so it cannot stand for "no key".
    static constexpr quint32 noKeyCode = 0xFFFFFFFF;

    quint32 carbonKeyCode = noKeyCode;
    quint32 carbonModifiers = 0;

    KeyCombo(quint32 carbonKeyCode, quint32 carbonModifiers);
    KeyCombo(Key key, ModifierFlags modifiers);
    // A stored key name (see keyFromName). A name no key has (a damaged or hand-edited file)
    // is logged and gives the empty combination: no key and no modifiers, which no hotkey
    // service accepts, rather than some key the user never chose.
    KeyCombo(const QString &stkey, ModifierFlags modifiers);

    std::optional<Key> key() const;
    // No key sets noKeyCode.
    void setKey(std::optional<Key> key);

    ModifierFlags modifiers() const;
    void setModifiers(ModifierFlags modifiers);

    // The modifier glyphs followed by the key's description, e.g. "⇧⌘A".
    QString description() const;

    // How the desktop names the combination, e.g. "Ctrl+Shift+A" for Command-Shift-A: Qt's
    // native text with Command as Ctrl, Control as Meta and Option as Alt, in Qt's order.
    QString nativeText() const;

    // The native text with the key as the layout in use labels it: on a French keyboard the
    // key of "q" reads "A".
    QString labelText() const;

    // {"keyCode": code, "modifiers": mask}, both as qint64.
    QVariantMap dictionary() const;
    // Only integer values count; a missing entry, another type or a number outside the
    // unsigned 32-bit range gives nothing. Other entries are ignored.
    static std::optional<KeyCombo> fromDictionary(const QVariantMap &dictionary);

    friend bool operator==(const KeyCombo &, const KeyCombo &) = default;
};

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
    quint32 carbonKeyCode = 0;
    quint32 carbonModifiers = 0;

    KeyCombo(quint32 carbonKeyCode, quint32 carbonModifiers);
    KeyCombo(Key key, ModifierFlags modifiers);
    // A stored key name (see keyFromName); a name no key has gives the key `a` (code 0).
    KeyCombo(const QString &stkey, ModifierFlags modifiers);

    std::optional<Key> key() const;
    // No key sets code 0.
    void setKey(std::optional<Key> key);

    ModifierFlags modifiers() const;
    void setModifiers(ModifierFlags modifiers);

    // The modifier glyphs followed by the key's description, e.g. "⇧⌘A".
    QString description() const;

    // How the desktop names the combination, e.g. "Ctrl+Shift+A" for Command-Shift-A: Qt's
    // native text with Command as Ctrl, Control as Meta and Option as Alt, in Qt's order.
    QString nativeText() const;

    // {"keyCode": code, "modifiers": mask}, both as qint64.
    QVariantMap dictionary() const;
    // Only integer values count; a missing entry, another type or a number outside the
    // unsigned 32-bit range gives nothing. Other entries are ignored.
    static std::optional<KeyCombo> fromDictionary(const QVariantMap &dictionary);

    friend bool operator==(const KeyCombo &, const KeyCombo &) = default;
};

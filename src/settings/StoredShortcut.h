#pragma once

#include "platform/ModifierFlags.h"
#include "settings/PreferenceStore.h"

#include <QList>
#include <QString>

// How a recorded shortcut's modifiers are stored: an array of these codes.
enum class ShortcutModifierCode : qint64 {
    command = 11,
    control = 12,
    option = 13,
    shift = 14,
};

// The shortcut most recently loaded, carried from where it is read to where its hotkey is
// built. Process-wide, used on the main thread.
namespace StoredShortcut {
QString &shortcutKey();
ModifierFlags &shortcutModifiers();
} // namespace StoredShortcut

// The modifiers stored codes stand for; unknown codes add nothing and repeats count once.
ModifierFlags modifierFlagsFromCodes(const QList<qint64> &codes);
// The codes to store for the modifiers, in the order Super 12, Alt 13, Shift 14, Ctrl 11.
QList<qint64> modifierCodesFromFlags(ModifierFlags flags);

// Sets shortcutKey() and shortcutModifiers() from one stored shortcut: its key name under
// keyKey (a string) and its modifier codes under flagKey (an array of integers). A value of
// another type counts as absent; unknown codes add nothing and repeats count once.
void loadStoredShortcut(const QString &keyKey, const QString &flagKey, PreferenceStore &store);

#include "settings/StoredShortcut.h"

QString &StoredShortcut::shortcutKey() {
    static QString key;
    return key;
}

ModifierFlags &StoredShortcut::shortcutModifiers() {
    static ModifierFlags modifiers = 0;
    return modifiers;
}

namespace {
// The modifier flag a stored code stands for, or 0 for an unknown code.
ModifierFlags modifierFlagForCode(qint64 code) {
    switch (ShortcutModifierCode(code)) {
    case ShortcutModifierCode::command:
        return ModifierCommand;
    case ShortcutModifierCode::control:
        return ModifierControl;
    case ShortcutModifierCode::option:
        return ModifierOption;
    case ShortcutModifierCode::shift:
        return ModifierShift;
    }
    return 0;
}
} // namespace

void loadStoredShortcut(const QString &keyKey, const QString &flagKey, PreferenceStore &store) {
    StoredShortcut::shortcutModifiers() = 0;
    StoredShortcut::shortcutKey() = QString();
    if (std::optional<QString> key = store.string(keyKey))
        StoredShortcut::shortcutKey() = *key;
    if (std::optional<QList<qint64>> codes = store.integerArray(flagKey)) {
        for (qint64 code : *codes)
            StoredShortcut::shortcutModifiers() |= modifierFlagForCode(code);
    }
}

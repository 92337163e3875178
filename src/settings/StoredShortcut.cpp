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

ModifierFlags modifierFlagsFromCodes(const QList<qint64> &codes) {
    ModifierFlags flags = 0;
    for (qint64 code : codes)
        flags |= modifierFlagForCode(code);
    return flags;
}

QList<qint64> modifierCodesFromFlags(ModifierFlags flags) {
    QList<qint64> codes;
    for (const ShortcutModifierCode code :
         {ShortcutModifierCode::control, ShortcutModifierCode::option, ShortcutModifierCode::shift,
          ShortcutModifierCode::command}) {
        if (flags & modifierFlagForCode(qint64(code)))
            codes << qint64(code);
    }
    return codes;
}

void loadStoredShortcut(const QString &keyKey, const QString &flagKey, PreferenceStore &store) {
    StoredShortcut::shortcutModifiers() = 0;
    StoredShortcut::shortcutKey() = QString();
    if (std::optional<QString> key = store.string(keyKey))
        StoredShortcut::shortcutKey() = *key;
    if (std::optional<QList<qint64>> codes = store.integerArray(flagKey))
        StoredShortcut::shortcutModifiers() = modifierFlagsFromCodes(*codes);
}

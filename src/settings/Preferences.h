#pragma once

#include "core/Action.h"
#include "settings/PreferenceStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QLatin1String>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <utility>

// Every preference key Quillory stores, each named once with its type and the value a reader
// takes when the key is absent or holds another type. The key strings are the file format.
template <typename T> struct Preference {
    const char *name;
    T fallback;

    QString key() const { return QLatin1String(name); }
    // The stored value when it has the right type.
    std::optional<T> stored(PreferenceStore &store) const;
    T value(PreferenceStore &store) const { return stored(store).value_or(fallback); }
    bool set(PreferenceStore &store, const T &value) const;
    bool isStored(PreferenceStore &store) const { return store.contains(key()); }
};

template <> inline std::optional<bool> Preference<bool>::stored(PreferenceStore &store) const {
    return store.boolean(key());
}
template <> inline bool Preference<bool>::set(PreferenceStore &store, const bool &value) const {
    return store.setBool(key(), value);
}
template <>
inline std::optional<QString> Preference<QString>::stored(PreferenceStore &store) const {
    return store.string(key());
}
template <>
inline bool Preference<QString>::set(PreferenceStore &store, const QString &value) const {
    return store.setString(key(), value);
}
template <> inline std::optional<qint64> Preference<qint64>::stored(PreferenceStore &store) const {
    return store.integer(key());
}
template <> inline bool Preference<qint64>::set(PreferenceStore &store, const qint64 &value) const {
    return store.setInteger(key(), value);
}
template <>
inline std::optional<QList<qint64>>
Preference<QList<qint64>>::stored(PreferenceStore &store) const {
    return store.integerArray(key());
}
template <>
inline bool Preference<QList<qint64>>::set(PreferenceStore &store,
                                           const QList<qint64> &value) const {
    return store.setIntegerArray(key(), value);
}

template <>
inline std::optional<QByteArray> Preference<QByteArray>::stored(PreferenceStore &store) const {
    return store.data(key());
}
template <>
inline bool Preference<QByteArray>::set(PreferenceStore &store, const QByteArray &value) const {
    return store.setData(key(), value);
}
template <>
inline std::optional<QDateTime> Preference<QDateTime>::stored(PreferenceStore &store) const {
    return store.date(key());
}
template <>
inline bool Preference<QDateTime>::set(PreferenceStore &store, const QDateTime &value) const {
    return store.setDate(key(), value);
}

namespace Preferences {

// The overlay's tool palette is shown. Absent at first start, when the overlay stores false.
inline const Preference<bool> updateToolsOnScreen{"UpdateToolsOnScreen", false};
// The overlay's help panel is hidden.
inline const Preference<bool> infoMessageHidden{"pz.infoMessageHidden", false};
// The first-run panel has been shown; only its presence counts.
inline const Preference<bool> firstTimeMenu{"FirstTimeMenu", true};
// The screenshot folder: its path and identity (FolderBookmark data).
inline const Preference<QByteArray> screenshotBookmark{"pz.screenshotBookmark", {}};
// The rating prompt's schedule: first launch, when the prompt last closed, and whether the
// user went to rate (only its presence counts).
inline const Preference<QDateTime> firstAppInstallDate{"firstAppInstallDate", {}};
inline const Preference<QDateTime> lastRateAlertShowDate{"lastRateAlertShowDate", {}};
inline const Preference<bool> rateDone{"rateDone", true};
// Start Quillory at login.
inline const Preference<bool> loginStartStatus{"LoginStartStatus", false};
// The cursor highlight, a red disc under the pointer, is shown.
inline const Preference<bool> cursorHighlight{"CursorHighlight", false};
// The line width of each tool, in points, in palette order; absent: each tool's own.
inline const Preference<QList<qint64>> lineWidths{"pz.lineWidths", {}};
// Fading ink is on, and how many seconds a shape stays from the release until it is gone
// (fadingInkDelay() reads it: a number outside fadingInkSecondsRange reads as the fallback).
inline const Preference<bool> fadingInk{"pz.fadingInk", false};
inline const Preference<qint64> fadingInkSeconds{"pz.fadingInkSeconds", 3};
inline constexpr std::pair<qint64, qint64> fadingInkSecondsRange{1, 30};
inline qint64 fadingInkDelay(PreferenceStore &store) {
    const qint64 seconds = fadingInkSeconds.value(store);
    const bool fits =
        seconds >= fadingInkSecondsRange.first && seconds <= fadingInkSecondsRange.second;
    return fits ? seconds : fadingInkSeconds.fallback;
}

// A clean quit keeps the drawings for the next start (otherwise only a crash leaves them).
inline const Preference<bool> keepDrawings{"pz.keepDrawings", false};
// The export dialog's folder and format (the file name extension it chose last).
inline const Preference<QString> exportFolder{"pz.exportFolder", {}};
inline const Preference<QString> exportFormat{"pz.exportFormat", QStringLiteral("pdf")};

// Where the presenter put the overlay's palette on each screen: a JSON object from the
// screen's name to the palette's top left corner, [x, y] in the screen's pixels.
inline const Preference<QByteArray> palettePlaces{"pz.palettePlaces", {}};

// The countdown: its length in minutes, the message above the time (its default is a
// translated text, so the reader supplies it) and the text colour (TimerColor data; undecodable
// data reads as system red).
inline const Preference<qint64> timerMinutes{"TimerMinutes", 3};
inline const Preference<QString> timerMessage{"TimerMessage", {}};
inline const Preference<QByteArray> timerColor{"TimerColor", {}};

// One global shortcut: its key name and its modifier codes (11 Ctrl, 12 Super, 13 Alt,
// 14 Shift). Without codes the shortcut is off.
struct StoredShortcutKeys {
    Preference<QString> key;
    Preference<QList<qint64>> flags;
};

// The shortcuts' stored keys, in the order of their rows; the action table names them.
inline const std::array<StoredShortcutKeys, shortcutRowCount> shortcuts = [] {
    std::array<StoredShortcutKeys, shortcutRowCount> keys{};
    for (int row = 0; row < shortcutRowCount; ++row) {
        const ShortcutRow &shortcut = *shortcutAction(row).shortcut;
        keys[std::size_t(row)] = {{shortcut.keyPreference, {}}, {shortcut.flagsPreference, {}}};
    }
    return keys;
}();

// The shortcut a row has until the user records or clears one: only pointer mode has one, so
// that the way back to drawing works from the first start. Ctrl+Alt+Shift+M ("M" as the
// overlay's own key for it) is bound by default neither in GNOME nor in KDE Plasma, nor in
// LibreOffice Impress, Okular, Evince or a browser's slide show. A cleared row stores an
// empty shortcut, so that the default does not come back.
struct DefaultShortcut {
    int row;
    QString key;
    QList<qint64> flags;
};
inline const std::array<DefaultShortcut, 1> defaultShortcuts{
    {{pointerModeRow, QStringLiteral("m"), {11, 13, 14}}}};
inline const DefaultShortcut *defaultShortcut(int row) {
    for (const DefaultShortcut &shortcut : defaultShortcuts) {
        if (shortcut.row == row)
            return &shortcut;
    }
    return nullptr;
}

} // namespace Preferences

#pragma once

#include "core/OverlayMode.h"
#include "core/Tool.h"

#include <QString>

#include <array>
#include <optional>

// One global-shortcut row of the panel. Its index orders the panel and the application's
// hotkeys; the preference names are the file format.
struct ShortcutRow {
    int index;
    // For the log ("Hotkey AppActivate") and the panel's object names (lblTitle<panelName>, …).
    const char *name, *panelName;
    // The title's string-table id and the icon; null for the tool rows, which show their tool's
    // (and for the toggle rows, the title their toggle's).
    const char *titleId, *icon;
    const char *keyPreference, *flagsPreference;
};

// Everything Quillory says about one action that a second launch or `quillory --action NAME`
// may ask for. Most have a global-shortcut row; the others are carried out by their kind.
struct Action {
    // `tool`: picks a tool that has no global-shortcut row; `mode`: puts the overlay in the mode
    // of the action's name; `toggle`: switches the effect of the action's name on or off;
    // `page`: turns a board's page (next-page, previous-page); `exportDialog`: opens the export
    // dialog; `state`: answers with the overlay's state.
    enum class Kind : quint8 {
        shortcut,
        tool,
        save,
        copy,
        highlight,
        mode,
        toggle,
        page,
        exportDialog,
        state,
        quit
    };
    Kind kind;
    // The name `quillory --action NAME` takes, also the shortcut's name on the desktop; null for
    // the tool actions, named in the tool table.
    const char *name;
    // The string-table id of the action's line in --help, which may name the action (%1).
    const char *helpId;
    std::optional<Shape> tool;
    std::optional<ShortcutRow> shortcut;
    std::optional<Toggle> toggle = {};
};

// The first eight rows are the application's own; the others switch the overlay's modes.
inline constexpr int shortcutRowCount = 15;
// The row that switches pointer mode on and off.
inline constexpr int pointerModeRow = 8;

// The actions in the order --help lists them.
inline constexpr int actionCount = 28;
const std::array<Action, actionCount> &actions();
const Action &shortcutAction(int row);
const Action *actionNamed(const QString &name);
QString actionName(const Action &action);
// A shortcut row's title, as the panel and the desktop's shortcut settings show it.
QString shortcutTitle(const Action &action);
// A shortcut row's icon, as a resource path.
QString shortcutIcon(const Action &action);

#pragma once

#include "core/Key.h"
#include "core/OverlayMode.h"
#include "core/Tool.h"

#include <QList>

#include <optional>
#include <vector>

// What a key of the overlay does.
enum class Command : quint8 {
    pickColor,   // a palette colour, by its index
    pickTool,    // a tool of the tool table
    toggleHelp,  // show or hide the help card
    thinner,     // the selected tool's next line one step thinner
    thicker,     // … or thicker
    escape,      // clear, then leave the board or zoom, then hide
    toggle,      // an effect of the toggle table on or off
    pointerMode, // let the pointer through
    undo,        // with Ctrl; with Ctrl+Shift it redoes
    nextPage,    // a board's next page (a new one after the last)
    previousPage,
    exportDrawings, // with Ctrl: the export dialog
};

// The help card's groups of keys, in the card's order.
enum class KeyGroup : quint8 { colors, tools, markers, modes, width, pages, card, clear };

// One key of the overlay.
struct KeyBinding {
    Key key;
    Command command;
    KeyGroup group;
    // What the key picks: the colour's palette index, the tool, the effect.
    int color = 0;
    Shape tool = Shape::pen;
    Toggle toggle = Toggle::fade;
    // The command is the key with Ctrl held (undo), not the bare key.
    bool withCtrl = false;
    // The string-table id that names what the key does on the help card; null where the card
    // says it for the whole group.
    const char *helpId = nullptr;

    // Whether the key with Ctrl held still belongs to the overlay, which swallows it: not the
    // keys of the modes, whose letters Ctrl+S and Ctrl+Z keep for saving and undoing.
    bool ctrlReserved() const {
        return !withCtrl && command != Command::toggle && command != Command::pointerMode;
    }
};

// Every overlay key, made from the palette's colours, the tool table and the toggle table: the
// one place the overlay's keys are looked up, listed on the help card and checked for clashes.
const std::vector<KeyBinding> &keyMap();
// The key at virtual key code `code`, bare (or with Ctrl); null for a key the overlay leaves.
const KeyBinding *keyBinding(quint32 code, bool withCtrl = false);
const KeyBinding *keyBinding(Key key, bool withCtrl = false);
// The keys that more than one row binds, each once: none in a sound map.
QList<Key> keysBoundTwice(const std::vector<KeyBinding> &map = keyMap());

#include "core/KeyMap.h"

#include "core/NamedColors.h"

#include <algorithm>

namespace {
std::vector<KeyBinding> makeKeyMap() {
    std::vector<KeyBinding> map;
    constexpr Key colorKeys[] = {Key::one, Key::two,   Key::three, Key::four, Key::five,
                                 Key::six, Key::seven, Key::eight, Key::nine};
    for (std::size_t i = 0; i < paletteColors().size(); ++i)
        map.push_back({colorKeys[i], Command::pickColor, KeyGroup::colors, int(i)});
    for (const Tool &row : tools()) {
        // The first five are the drawing tools, which the card names in one sentence.
        const bool marker = paletteIndex(row.shape) >= 5;
        map.push_back({row.key,
                       Command::pickTool,
                       marker ? KeyGroup::markers : KeyGroup::tools,
                       0,
                       row.shape,
                       {},
                       false,
                       marker ? row.nameId : nullptr});
    }
    for (const ToggleRow &row : toggles())
        map.push_back(
            {row.key, Command::toggle, KeyGroup::modes, 0, {}, row.toggle, false, row.nameId});
    //% "Pointer mode (on and off)"
    const char *const pointerMode = QT_TRID_NOOP("info.shortcut.pointerMode");
    map.push_back(
        {pointerModeKey, Command::pointerMode, KeyGroup::modes, 0, {}, {}, false, pointerMode});
    //% "Thinner or thicker line (Ctrl+wheel too)"
    const char *const width = QT_TRID_NOOP("info.shortcut.width.info");
    map.push_back({Key::leftBracket, Command::thinner, KeyGroup::width, 0, {}, {}, false, width});
    map.push_back({Key::rightBracket, Command::thicker, KeyGroup::width, 0, {}, {}, false, width});
    // The card names them with the slide keys, which they are on the screen.
    map.push_back({Key::pageDown, Command::nextPage, KeyGroup::pages});
    map.push_back({Key::pageUp, Command::previousPage, KeyGroup::pages});
    map.push_back({Key::slash, Command::toggleHelp, KeyGroup::card});
    map.push_back({Key::escape, Command::escape, KeyGroup::clear});
    map.push_back({Key::z, Command::undo, KeyGroup::clear, 0, {}, {}, true});
    map.push_back({Key::e, Command::exportDrawings, KeyGroup::card, 0, {}, {}, true});
    return map;
}
} // namespace

const std::vector<KeyBinding> &keyMap() {
    static const std::vector<KeyBinding> map = makeKeyMap();
    return map;
}

const KeyBinding *keyBinding(Key key, bool withCtrl) {
    const std::vector<KeyBinding> &map = keyMap();
    const auto it = std::find_if(map.begin(), map.end(), [&](const KeyBinding &row) {
        return row.key == key && row.withCtrl == withCtrl;
    });
    return it == map.end() ? nullptr : &*it;
}

const KeyBinding *keyBinding(quint32 code, bool withCtrl) {
    const std::optional<Key> key = keyFromCarbonKeyCode(code);
    return key ? keyBinding(*key, withCtrl) : nullptr;
}

QList<Key> keysBoundTwice(const std::vector<KeyBinding> &map) {
    QList<Key> twice;
    for (auto row = map.begin(); row != map.end(); ++row) {
        const bool again = std::any_of(row + 1, map.end(), [&](const KeyBinding &later) {
            return later.key == row->key && later.withCtrl == row->withCtrl;
        });
        if (again && !twice.contains(row->key))
            twice << row->key;
    }
    return twice;
}

#include "core/Action.h"

#include <algorithm>

namespace {
using Kind = Action::Kind;
// clang-format off
// Constant, so that the preference table can read it while statics start.
constexpr std::array<Action, actionCount> kActions = {{
    //% "show the overlay on the screen under the pointer"
    {Kind::shortcut, "activate", QT_TRID_NOOP("cli.action.activate"), {},
     //% "Show Quillory"
     ShortcutRow{0, "AppActivate", "AppActivate", QT_TRID_NOOP("menu.row.activate"),
                 ":/icons/quillory.svg", "ud_AppActivateKey", "ud_AppActivateFlag"}},
    //% "show or hide the tool palette"
    {Kind::shortcut, "toggle-tools", QT_TRID_NOOP("cli.action.toggleTools"), {},
     //% "Show Tools on Desktop"
     ShortcutRow{1, "DesktopTools", "ShowToolsOnDesktop", QT_TRID_NOOP("menu.row.showTools"),
                 ":/icons/iconTools.svg", "ud_DesktopToolsKey", "ud_DesktopToolsFlag"}},
    //% "pick the %1 tool and show the overlay"
    {Kind::shortcut, nullptr, QT_TRID_NOOP("cli.action.tool"), Shape::pen,
     ShortcutRow{2, "Line", "Line", nullptr, nullptr, "ud_LineKey", "ud_LineFlag"}},
    {Kind::shortcut, nullptr, QT_TRID_NOOP("cli.action.tool"), Shape::line,
     ShortcutRow{7, "StrightLine", "StrightLine", nullptr, nullptr,
                 "ud_StrightLineKey", "ud_StrightLineFlag"}},
    {Kind::shortcut, nullptr, QT_TRID_NOOP("cli.action.tool"), Shape::arrow,
     ShortcutRow{3, "Arrow", "Arrow", nullptr, nullptr, "ud_ArrowKey", "ud_ArrowFlag"}},
    {Kind::shortcut, nullptr, QT_TRID_NOOP("cli.action.tool"), Shape::rect,
     ShortcutRow{4, "Rectangle", "Rectangle", nullptr, nullptr,
                 "ud_RectangleKey", "ud_RectangleFlag"}},
    {Kind::shortcut, nullptr, QT_TRID_NOOP("cli.action.tool"), Shape::circle,
     ShortcutRow{5, "Circle", "Circle", nullptr, nullptr, "ud_CircleKey", "ud_CircleFlag"}},
    {Kind::tool, nullptr, QT_TRID_NOOP("cli.action.tool"), Shape::highlighter, {}},
    {Kind::tool, nullptr, QT_TRID_NOOP("cli.action.tool"), Shape::eraser, {}},
    {Kind::tool, nullptr, QT_TRID_NOOP("cli.action.tool"), Shape::text, {}},
    {Kind::tool, nullptr, QT_TRID_NOOP("cli.action.tool"), Shape::laser,
     ShortcutRow{9, "Laser", "Laser", nullptr, nullptr, "pz.LaserKey", "pz.LaserFlag"}},
    //% "start the full-screen presentation countdown"
    {Kind::shortcut, "timer", QT_TRID_NOOP("cli.action.timer"), {},
     //% "Timer"
     ShortcutRow{6, "Timer", "Timer", QT_TRID_NOOP("menu.row.timer"),
                 ":/icons/iconTimer.svg", "ud_TimerKey", "ud_TimerFlag"}},
    //% "save a screenshot of the annotated screen as a PNG file"
    {Kind::save, "save", QT_TRID_NOOP("cli.action.save"), {}, {}},
    //% "copy a screenshot of the annotated screen to the clipboard"
    {Kind::copy, "copy", QT_TRID_NOOP("cli.action.copy"), {}, {}},
    //% "switch the cursor highlight on or off"
    {Kind::highlight, "highlight", QT_TRID_NOOP("cli.action.highlight"), {}, {}},
    //% "let clicks and keys through to the windows below; the drawings stay"
    {Kind::mode, "pointer", QT_TRID_NOOP("cli.action.pointer"), {}, {}},
    //% "draw again after pointer mode"
    {Kind::mode, "draw", QT_TRID_NOOP("cli.action.draw"), {}, {}},
    //% "switch pointer mode on or off"
    {Kind::mode, "toggle-pointer", QT_TRID_NOOP("cli.action.togglePointer"), {},
     ShortcutRow{pointerModeRow, "PointerMode", "PointerMode", QT_TRID_NOOP("overlay.pointerMode"),
                 ":/icons/iconPointer.svg", "pz.PointerModeKey", "pz.PointerModeFlag"}},
    //% "switch fading ink on or off: shapes fade away a few seconds after they are drawn"
    {Kind::toggle, "fade", QT_TRID_NOOP("cli.action.fade"), {},
     ShortcutRow{10, "FadingInk", "FadingInk", nullptr, ":/icons/iconFade.svg",
                 "pz.FadingInkKey", "pz.FadingInkFlag"},
     Toggle::fade},
    //% "switch the spotlight on or off: the screen dims but for a circle around the pointer"
    {Kind::toggle, "spotlight", QT_TRID_NOOP("cli.action.spotlight"), {},
     ShortcutRow{11, "Spotlight", "Spotlight", nullptr, ":/icons/iconSpotlight.svg",
                 "pz.SpotlightKey", "pz.SpotlightFlag"},
     Toggle::spotlight},
    //% "magnify the screen around the pointer, or return to the live screen"
    {Kind::toggle, "zoom", QT_TRID_NOOP("cli.action.zoom"), {},
     ShortcutRow{12, "Zoom", "Zoom", nullptr, ":/icons/iconZoom.svg",
                 "pz.ZoomKey", "pz.ZoomFlag"},
     Toggle::zoom},
    //% "cover the screen with a white board, or return to the screen"
    {Kind::toggle, "whiteboard", QT_TRID_NOOP("cli.action.whiteboard"), {},
     ShortcutRow{13, "WhiteBoard", "WhiteBoard", nullptr, ":/icons/iconWhiteboard.svg",
                 "pz.WhiteBoardKey", "pz.WhiteBoardFlag"},
     Toggle::whiteboard},
    //% "cover the screen with a black board, or return to the screen"
    {Kind::toggle, "blackboard", QT_TRID_NOOP("cli.action.blackboard"), {},
     ShortcutRow{14, "BlackBoard", "BlackBoard", nullptr, ":/icons/iconBlackboard.svg",
                 "pz.BlackBoardKey", "pz.BlackBoardFlag"},
     Toggle::blackboard},
    //% "on a board, turn to the next page (a new one after the last)"
    {Kind::page, "next-page", QT_TRID_NOOP("cli.action.nextPage"), {}, {}},
    //% "on a board, turn back to the previous page"
    {Kind::page, "previous-page", QT_TRID_NOOP("cli.action.previousPage"), {}, {}},
    //% "open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing"
    {Kind::exportDialog, "export", QT_TRID_NOOP("cli.action.export"), {}, {}},
    //% "print the overlay's mode, tool, colour and width as one line of JSON"
    {Kind::state, "state", QT_TRID_NOOP("cli.action.state"), {}, {}},
    //% "end Quillory"
    {Kind::quit, "quit", QT_TRID_NOOP("cli.action.quit"), {}, {}},
}};
// clang-format on

// Every row index from 0 up has exactly one action.
constexpr bool rowsComplete() {
    for (int row = 0; row < shortcutRowCount; ++row) {
        if (std::count_if(kActions.begin(), kActions.end(), [row](const Action &action) {
                return action.shortcut && action.shortcut->index == row;
            }) != 1)
            return false;
    }
    return true;
}
static_assert(rowsComplete());
static_assert(std::any_of(kActions.begin(), kActions.end(), [](const Action &action) {
    return action.shortcut && action.shortcut->index == pointerModeRow && action.kind == Kind::mode;
}));
} // namespace

const std::array<Action, actionCount> &actions() {
    return kActions;
}

const Action &shortcutAction(int row) {
    return *std::find_if(kActions.begin(), kActions.end(), [row](const Action &action) {
        return action.shortcut && action.shortcut->index == row;
    });
}

const Action *actionNamed(const QString &name) {
    for (const Action &action : kActions) {
        if (actionName(action) == name)
            return &action;
    }
    return nullptr;
}

QString actionName(const Action &action) {
    if (action.tool)
        return QLatin1String(tool(*action.tool).actionName);
    return QLatin1String(action.name);
}

QString shortcutTitle(const Action &action) {
    if (action.toggle)
        return qtTrId(toggleRow(*action.toggle).nameId);
    return qtTrId(action.tool ? tool(*action.tool).nameId : action.shortcut->titleId);
}

QString shortcutIcon(const Action &action) {
    if (action.tool)
        return u":/icons/"_qs + QLatin1String(tool(*action.tool).icon) + u".svg"_qs;
    return QLatin1String(action.shortcut->icon);
}

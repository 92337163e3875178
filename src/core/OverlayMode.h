#pragma once

#include "core/Key.h"

#include <QColor>
#include <QString>

#include <array>
#include <optional>

// What the overlay does with the pointer and the keys: draw with them, or let them through to
// the programs below while the drawings stay on the screen. A mode's name is the remote action
// that picks it (`quillory --action pointer`) and what `--action state` reports.
enum class OverlayMode : quint8 { draw, pointer };

QString modeName(OverlayMode mode);
std::optional<OverlayMode> modeNamed(const QString &name);

// The overlay key that lets the pointer through (nothing brings it back from the keyboard: the
// keys go to the programs below then).
inline constexpr Key pointerModeKey = Key::m;

// What the overlay shows beneath the drawings: the screen itself, a white or a black board, or
// a still, magnified picture of the screen. Each keeps drawings of its own.
enum class Surface : quint8 { screen, whiteboard, blackboard, zoom };
QString surfaceName(Surface surface);
// The white or the black board: a surface with pages and a colour of its own.
constexpr bool isBoard(Surface surface) {
    return surface == Surface::whiteboard || surface == Surface::blackboard;
}
// What a board is painted with.
QColor boardColor(Surface surface);
// The colour ink of `color` is drawn with on `surface`, so that it stays readable. On a board,
// ink with less than 4.5:1 contrast to it (as the web's contrast rule measures it) keeps its
// hue and saturation and takes its lightness mirrored (L becomes 1 − L), then lighter on the
// black board or darker on the white one until it has 4.5:1: black ink is white on the black
// board, dark blue light blue; white ink is black on the white board. Elsewhere as it is.
QColor readableInk(Surface surface, const QColor &color);
// The web's contrast ratio of two colours, from 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// The overlay's effects that go on and off, each with its key and the remote action of its
// name (`quillory --action spotlight`).
enum class Toggle : quint8 { fade, spotlight, zoom, whiteboard, blackboard };

struct ToggleRow {
    Toggle toggle;
    Key key;
    const char *name;
    // The surface it shows, if any.
    std::optional<Surface> surface;
    // The string-table id of its name on the help card.
    const char *nameId;
    // Stays on when the overlay hides, and at the next start (a preference); the others end.
    bool remembered = false;
    // It only works with a compositor (it dims the screen): without one it does not start, and
    // it ends when the compositor stops, saying so with the notice `unavailableId`.
    bool needsCompositor = false;
    const char *unavailableId = nullptr;
    // It shows a picture of the screen, taken before it starts (the zoom).
    bool needsPicture = false;
    // What the screen says when it goes on or off (null: nothing).
    const char *onNoticeId = nullptr;
    const char *offNoticeId = nullptr;
};

inline constexpr int toggleCount = 5;
const std::array<ToggleRow, toggleCount> &toggles();
const ToggleRow &toggleRow(Toggle toggle);

#pragma once

#include <QString>

#include <optional>

// What the overlay does with the pointer and the keys: draw with them, or let them through to
// the programs below while the drawings stay on the screen. A mode's name is the remote action
// that picks it (`quillory --action pointer`) and what `--action state` reports.
enum class OverlayMode : quint8 { draw, pointer };

QString modeName(OverlayMode mode);
std::optional<OverlayMode> modeNamed(const QString &name);

#include "core/OverlayMode.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<OverlayMode, const char *>, 2> kNames = {{
    {OverlayMode::draw, "draw"},
    {OverlayMode::pointer, "pointer"},
}};
} // namespace

QString modeName(OverlayMode mode) {
    for (const auto &[known, name] : kNames) {
        if (known == mode)
            return QLatin1String(name);
    }
    return {};
}

std::optional<OverlayMode> modeNamed(const QString &name) {
    for (const auto &[mode, known] : kNames) {
        if (name == QLatin1String(known))
            return mode;
    }
    return std::nullopt;
}

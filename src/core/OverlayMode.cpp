#include "core/OverlayMode.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr std::array<std::pair<OverlayMode, const char *>, 2> kNames = {{
    {OverlayMode::draw, "draw"},
    {OverlayMode::pointer, "pointer"},
}};

// clang-format off
constexpr std::array<ToggleRow, toggleCount> kToggles = {{
    {Toggle::fade, Key::f, "fade", std::nullopt,
     //% "Fading ink"
     QT_TRID_NOOP("info.shortcut.fade"), true, false, nullptr, false,
     //% "Fading ink"
     QT_TRID_NOOP("overlay.notice.fadeOn"),
     //% "Ink stays"
     QT_TRID_NOOP("overlay.notice.fadeOff")},
    {Toggle::spotlight, Key::s, "spotlight", std::nullopt,
     //% "Spotlight"
     QT_TRID_NOOP("info.shortcut.spotlight"), false, true,
     //% "The spotlight needs a compositor"
     QT_TRID_NOOP("overlay.notice.spotlightNeedsCompositor")},
    {Toggle::zoom, Key::z, "zoom", Surface::zoom,
     //% "Zoom"
     QT_TRID_NOOP("info.shortcut.zoom"), false, false, nullptr, true},
    {Toggle::whiteboard, Key::w, "whiteboard", Surface::whiteboard,
     //% "White board"
     QT_TRID_NOOP("info.shortcut.whiteboard")},
    {Toggle::blackboard, Key::b, "blackboard", Surface::blackboard,
     //% "Black board"
     QT_TRID_NOOP("info.shortcut.blackboard")},
}};
// clang-format on

constexpr bool togglesInOrder() {
    for (std::size_t i = 0; i < kToggles.size(); ++i) {
        if (kToggles[i].toggle != Toggle(i))
            return false;
    }
    return true;
}
static_assert(togglesInOrder());
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

QString surfaceName(Surface surface) {
    switch (surface) {
    case Surface::screen:
        return QStringLiteral("screen");
    case Surface::zoom:
        return QStringLiteral("zoom");
    default:
        return QLatin1String(
            toggleRow(surface == Surface::whiteboard ? Toggle::whiteboard : Toggle::blackboard)
                .name);
    }
}

const std::array<ToggleRow, toggleCount> &toggles() {
    return kToggles;
}

const ToggleRow &toggleRow(Toggle toggle) {
    return kToggles[std::size_t(toggle)];
}

QColor boardColor(Surface surface) {
    return surface == Surface::blackboard ? QColor(Qt::black) : QColor(Qt::white);
}

namespace {
double luminance(const QColor &color) {
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableInk(Surface surface, const QColor &color) {
    if (!isBoard(surface))
        return color;
    constexpr double enough = 4.5;
    const QColor board = boardColor(surface);
    if (contrastRatio(color, board) >= enough)
        return color;
    const QColor hsl = color.toHsl();
    const float hue = hsl.hslHueF(), saturation = hsl.hslSaturationF();
    const bool dark = surface == Surface::blackboard;
    float lightness = 1.0f - hsl.lightnessF();
    lightness =
        dark ? std::max(lightness, hsl.lightnessF()) : std::min(lightness, hsl.lightnessF());
    QColor ink;
    for (;; lightness += dark ? 0.02f : -0.02f) {
        lightness = std::clamp(lightness, 0.0f, 1.0f);
        ink = QColor::fromHslF(hue, saturation, lightness, color.alphaF());
        if (contrastRatio(ink, board) >= enough || lightness <= 0.0f || lightness >= 1.0f)
            break;
    }
    return ink.toRgb();
}

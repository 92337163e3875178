#pragma once

#include <memory>

class HotKeyBackend;
class PassThroughSurface;
class ScreenshotPortal;

// Picks the desktop's back ends for global shortcuts and screenshots, and logs the choice.
// By default an X11 session grabs keys and the X screen; a Wayland session asks the
// desktop's shortcut service (the GlobalShortcuts portal, else KDE's) and the Screenshot portal.
// Tests may force a choice:
//   QUILLORY_HOTKEY_BACKEND=x11|portal|kglobalaccel|none
//   QUILLORY_SCREENSHOT_BACKEND=x11|portal
//   QUILLORY_OUTPUT=x11|layer-shell (where the overlay shows in pointer mode)
// A forced service that cannot be reached leaves no shortcut back end.
namespace BackendLoader {
// Null when there is none: the panel then says how to bind `quillory --action NAME`.
std::shared_ptr<HotKeyBackend> hotKeyBackend();
// Null for the X11 screen grab.
std::unique_ptr<ScreenshotPortal> screenshotBackend();
// In a Wayland session, the surface pointer mode shows the drawings on: a native layer-shell
// surface where the compositor offers it (sway and KWin let no X window pass clicks to native
// windows), else an X window made for it (GNOME); null in an X11 session, where the overlay's
// own window lets the pointer through.
std::unique_ptr<PassThroughSurface> passThroughSurface();
// An X window without input anywhere, at any place and size, for the cursor highlight, where
// pointer mode's surface is such a window too (GNOME passes the pointer through only such a
// window); null elsewhere.
std::unique_ptr<PassThroughSurface> inputlessWindow(const PassThroughSurface *passThrough);
} // namespace BackendLoader

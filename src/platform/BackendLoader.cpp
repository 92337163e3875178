#include "platform/BackendLoader.h"

#include "platform/DiagnosticLog.h"
#include "platform/Session.h"
#include "platform/dbus/KGlobalAccelHotKeyBackend.h"
#include "platform/dbus/PortalHotKeyBackend.h"
#include "platform/dbus/ScreenshotPortal.h"
#include "platform/wayland/LayerOverlay.h"
#include "platform/x11/PassThroughWindow.h"
#include "platform/x11/X11HotKeyBackend.h"

namespace {

// The forced choice, or the session's own when the variable is unset or names no choice.
QString choice(const char *variable, const QStringList &choices, const QString &automatic) {
    const QString forced = qEnvironmentVariable(variable);
    if (forced.isEmpty())
        return automatic;
    if (choices.contains(forced))
        return forced;
    QLOG_ERROR(variable, "names no back end:", forced);
    return automatic;
}

} // namespace

namespace BackendLoader {

std::shared_ptr<HotKeyBackend> hotKeyBackend() {
    const QString kind =
        choice("QUILLORY_HOTKEY_BACKEND", {u"x11"_qs, u"portal"_qs, u"kglobalaccel"_qs, u"none"_qs},
               Session::isWayland() ? QString() : u"x11"_qs);
    std::shared_ptr<HotKeyBackend> backend;
    QString name;
    if (kind == u"x11") {
        backend = X11HotKeyBackend::create();
        name = u"X11 key grabs"_qs;
    } else if (kind != u"none" && kind != u"kglobalaccel" &&
               (backend = PortalHotKeyBackend::create())) {
        name = u"GlobalShortcuts portal"_qs;
    } else if (kind != u"none" && kind != u"portal" &&
               (backend = KGlobalAccelHotKeyBackend::create())) {
        name = u"KDE global shortcut service"_qs;
    }
    QLOG("Global shortcuts:", backend ? name : u"none"_qs);
    return backend;
}

std::unique_ptr<ScreenshotPortal> screenshotBackend() {
    // An X screen grab sees only X windows, which in a Wayland session are XWayland's few:
    // there the desktop's picture comes from the Screenshot portal.
    const QString kind = choice("QUILLORY_SCREENSHOT_BACKEND", {u"x11"_qs, u"portal"_qs},
                                Session::isWayland() ? u"portal"_qs : u"x11"_qs);
    std::unique_ptr<ScreenshotPortal> portal;
    if (kind == u"portal")
        portal = std::make_unique<ScreenshotPortal>();
    QLOG(portal ? "Screenshots: Screenshot portal" : "Screenshots: X11 screen grab");
    return portal;
}

std::unique_ptr<PassThroughSurface> passThroughSurface() {
    const QString kind = choice("QUILLORY_OUTPUT", {u"x11"_qs, u"layer-shell"_qs},
                                Session::isWayland() ? u"layer-shell"_qs : u"x11"_qs);
    if (kind == u"layer-shell") {
        if (std::unique_ptr<PassThroughSurface> native = LayerOverlay::connect()) {
            QLOG(native->takesInput() ? "Output: layer-shell surface"
                                      : "Output: X11 window, layer-shell surface in pointer mode");
            return native;
        }
    }
    if (!Session::isWayland()) {
        QLOG("Output: X11 window");
        return nullptr;
    }
    QLOG("Output: X11 window, an unmanaged window without input in pointer mode");
    return std::make_unique<PassThroughWindow>();
}

std::unique_ptr<PassThroughSurface> inputlessWindow(const PassThroughSurface *passThrough) {
    return qobject_cast<const PassThroughWindow *>(passThrough)
               ? std::make_unique<PassThroughWindow>()
               : nullptr;
}

} // namespace BackendLoader

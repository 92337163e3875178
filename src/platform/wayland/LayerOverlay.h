#pragma once

#include "platform/PassThroughSurface.h"

#include <QSize>

#include <memory>

struct wl_buffer;
struct wl_callback;
struct wl_compositor;
struct wl_display;
struct wl_registry;
struct wl_shm;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;
class QSocketNotifier;

// A native surface above every window, where the Wayland compositor offers layer-shell (sway
// and the other wlroots compositors, KWin): on the overlay layer, anchored to every edge of the
// output the compositor picks, showing a picture and taking no input at all (an empty input
// region, no keyboard), so that clicks, drags, the wheel and keys reach the windows below,
// native or X, while the picture stays on top.
class LayerOverlay : public PassThroughSurface {
    Q_OBJECT
public:
    // Connects to the session's compositor (WAYLAND_DISPLAY); null where there is none or it
    // offers no layer-shell, which the log says.
    static std::unique_ptr<LayerOverlay> connect();
    ~LayerOverlay() override;

    // Shows `picture` (at the output's size) on the output the compositor picks: the surface
    // maps at once and shows the picture as soon as the compositor has given it its size.
    void show(const QImage &picture, const QRect &screen) override;
    void hide() override;
    bool isShown() const override { return m_layer != nullptr; }
    QString outputName() const override { return QStringLiteral("layer-shell"); }

private:
    LayerOverlay() = default;
    void dispatch();
    void configure(quint32 serial, QSize size);
    void present();
    static void global(void *data, wl_registry *registry, quint32 name, const char *interface,
                       quint32 version);

    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    wl_compositor *m_compositor = nullptr;
    wl_shm *m_shm = nullptr;
    zwlr_layer_shell_v1 *m_shell = nullptr;
    wl_surface *m_surface = nullptr;
    zwlr_layer_surface_v1 *m_layer = nullptr;
    bool m_waitingForFrame = false; // for the first picture since mapping
    wl_callback *m_firstFrame = nullptr; // until the compositor shows that picture
    QSocketNotifier *m_events = nullptr;
    QSize m_size; // as the compositor configured it; empty until then
    QImage m_picture;
};

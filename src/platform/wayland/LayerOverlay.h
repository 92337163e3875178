#pragma once

#include "platform/PassThroughSurface.h"

#include <QSize>

#include <array>
#include <memory>

struct wl_buffer;
struct wl_callback;
struct wl_compositor;
struct wl_display;
struct wl_registry;
struct wl_shm;
struct wl_shm_pool;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;
struct zwp_tablet_manager_v2;
class QSocketNotifier;
class SeatInput;

// A native surface above every window, where the Wayland compositor offers layer-shell (sway
// and the other wlroots compositors, KWin): on the overlay layer, anchored to every edge of the
// output the compositor picks. While the overlay draws it takes the pointer and the keyboard
// (the whole surface is its input region, the keyboard is its alone); in pointer mode it takes
// no input at all (an empty input region, no keyboard), so that clicks, drags, the wheel and
// keys reach the windows below, native or X, while the picture stays on top.
//
// It paints into two buffers of one shared memory pool, taking turns as the compositor lets
// them go, and repaints only what changed since a buffer was last shown, at most once a frame
// of the compositor's.
class LayerOverlay : public PassThroughSurface {
    Q_OBJECT
public:
    // Connects to the session's compositor (WAYLAND_DISPLAY); null where there is none or it
    // offers no layer-shell, which the log says.
    static std::unique_ptr<LayerOverlay> connect();
    ~LayerOverlay() override;

    // Shows `picture` (at the output's size) on the output the compositor picks, taking no
    // input: the surface maps at once and shows the picture as soon as the compositor has given
    // it its size.
    void show(const QImage &picture, const QRect &screen) override;
    void hide() override;
    bool isShown() const override { return m_layer != nullptr; }
    QString outputName() const override { return QStringLiteral("layer-shell"); }
    bool takesInput() const override { return m_input != nullptr; }
    void showPainted(Painter paint, qreal ratio, bool input) override;
    void repaint(const QRegion &area) override;
    void setCursor(const QCursor &cursor) override;

private:
    struct Buffer {
        wl_buffer *buffer = nullptr;
        QImage image;      // on the buffer's memory
        bool busy = false; // the compositor holds it
        QRegion stale;     // what changed since it was painted
    };

    LayerOverlay() = default;
    void dispatch();
    void configure(quint32 serial, QSize size);
    void takeInput();
    void allocate();
    void freeBuffers();
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
    SeatInput *m_input = nullptr;
    QCursor m_cursor = Qt::ArrowCursor;         // for the seat that comes later
    zwp_tablet_manager_v2 *m_tablets = nullptr; // until the seat takes it
    bool m_takingInput = false;
    bool m_waitingForFirst = false; // for the first picture since mapping
    wl_callback *m_frame = nullptr; // until the compositor shows the last picture
    QSocketNotifier *m_events = nullptr;
    QSize m_size;    // as the compositor configured it; empty until then
    int m_scale = 1; // device pixels a logical pixel
    std::array<Buffer, 2> m_buffers;
    wl_shm_pool *m_pool = nullptr;
    void *m_memory = nullptr;
    size_t m_poolSize = 0;
    QRegion m_damage; // changed since the last picture went to the compositor
    Painter m_paint;
    QImage m_picture; // what show() shows
};

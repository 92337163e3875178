#include "platform/wayland/LayerOverlay.h"

#include "platform/DiagnosticLog.h"

#include "wlr-layer-shell-unstable-v1-client.h"

#include <QPainter>
#include <QSocketNotifier>

#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

// The popup interface the protocol names for a request Quillory never makes; xdg-shell's own
// is not linked.
extern "C" const wl_interface xdg_popup_interface = {"xdg_popup", 1, 0, nullptr, 0, nullptr};

namespace {

// A buffer of the compositor's shared memory of `pixels`, holding `picture` from its top left
// corner (transparent where the picture does not reach), freed once the compositor has let it
// go.
wl_buffer *sharedBuffer(wl_shm *shm, const QImage &picture, QSize pixels) {
    const int stride = pixels.width() * 4;
    const qsizetype size = qsizetype(stride) * pixels.height();
    const int fd = ::memfd_create("quillory-overlay", MFD_CLOEXEC);
    if (fd < 0 || ::ftruncate(fd, size) < 0) {
        if (fd >= 0)
            ::close(fd);
        return nullptr;
    }
    void *memory = ::mmap(nullptr, size_t(size), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (memory == MAP_FAILED) {
        ::close(fd);
        return nullptr;
    }
    // ARGB8888 is premultiplied ARGB in the machine's byte order, as Qt's format is.
    QImage target(static_cast<uchar *>(memory), pixels.width(), pixels.height(), stride,
                  QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(picture.devicePixelRatio()); // pixel for pixel
    target.fill(Qt::transparent);
    QPainter(&target).drawImage(0, 0, picture);
    wl_shm_pool *pool = wl_shm_create_pool(shm, fd, int(size));
    wl_buffer *buffer = wl_shm_pool_create_buffer(pool, 0, pixels.width(), pixels.height(), stride,
                                                  WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    ::munmap(memory, size_t(size));
    ::close(fd);
    static const wl_buffer_listener released = {
        [](void *, wl_buffer *buffer) { wl_buffer_destroy(buffer); }};
    wl_buffer_add_listener(buffer, &released, nullptr);
    return buffer;
}

} // namespace

std::unique_ptr<LayerOverlay> LayerOverlay::connect() {
    std::unique_ptr<LayerOverlay> overlay(new LayerOverlay);
    overlay->m_display = wl_display_connect(nullptr);
    if (!overlay->m_display) {
        QLOG("No Wayland compositor to connect to: the overlay stays an X window");
        return nullptr;
    }
    overlay->m_registry = wl_display_get_registry(overlay->m_display);
    static const wl_registry_listener listener = {&LayerOverlay::global,
                                                  [](void *, wl_registry *, quint32) {}};
    wl_registry_add_listener(overlay->m_registry, &listener, overlay.get());
    wl_display_roundtrip(overlay->m_display);
    if (!overlay->m_compositor || !overlay->m_shm || !overlay->m_shell) {
        QLOG("The Wayland compositor offers no layer-shell: the overlay stays an X window");
        return nullptr;
    }
    overlay->m_events = new QSocketNotifier(wl_display_get_fd(overlay->m_display),
                                            QSocketNotifier::Read, overlay.get());
    QObject::connect(overlay->m_events, &QSocketNotifier::activated, overlay.get(),
                     &LayerOverlay::dispatch);
    QLOG("The Wayland compositor offers layer-shell: pointer mode shows a native overlay");
    return overlay;
}

void LayerOverlay::global(void *data, wl_registry *registry, quint32 name, const char *interface,
                          quint32 version) {
    auto *self = static_cast<LayerOverlay *>(data);
    const auto bind = [&](const wl_interface *wanted, quint32 most) {
        return wl_registry_bind(registry, name, wanted, std::min(version, most));
    };
    if (std::strcmp(interface, wl_compositor_interface.name) == 0)
        self->m_compositor = static_cast<wl_compositor *>(bind(&wl_compositor_interface, 4));
    else if (std::strcmp(interface, wl_shm_interface.name) == 0)
        self->m_shm = static_cast<wl_shm *>(bind(&wl_shm_interface, 1));
    else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0)
        self->m_shell = static_cast<zwlr_layer_shell_v1 *>(bind(&zwlr_layer_shell_v1_interface, 1));
}

LayerOverlay::~LayerOverlay() {
    hide();
    if (m_shell)
        zwlr_layer_shell_v1_destroy(m_shell);
    if (m_shm)
        wl_shm_destroy(m_shm);
    if (m_compositor)
        wl_compositor_destroy(m_compositor);
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_display)
        wl_display_disconnect(m_display);
}

void LayerOverlay::dispatch() {
    if (wl_display_dispatch(m_display) < 0) {
        QLOG_ERROR("The Wayland connection broke: the native overlay is gone");
        m_events->setEnabled(false);
    }
}

void LayerOverlay::show(const QImage &picture, const QRect &) {
    m_picture = picture;
    if (!m_layer) {
        m_surface = wl_compositor_create_surface(m_compositor);
        // No input: everything goes to the windows below.
        wl_region *nothing = wl_compositor_create_region(m_compositor);
        wl_surface_set_input_region(m_surface, nothing);
        wl_region_destroy(nothing);
        m_layer = zwlr_layer_shell_v1_get_layer_surface(
            m_shell, m_surface, nullptr, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "quillory");
        static const zwlr_layer_surface_v1_listener listener = {
            [](void *data, zwlr_layer_surface_v1 *, quint32 serial, quint32 width, quint32 height) {
                static_cast<LayerOverlay *>(data)->configure(serial,
                                                             QSize(int(width), int(height)));
            },
            [](void *data, zwlr_layer_surface_v1 *) { static_cast<LayerOverlay *>(data)->hide(); }};
        zwlr_layer_surface_v1_add_listener(m_layer, &listener, this);
        zwlr_layer_surface_v1_set_anchor(
            m_layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                         ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
        zwlr_layer_surface_v1_set_exclusive_zone(m_layer, -1);
        zwlr_layer_surface_v1_set_keyboard_interactivity(
            m_layer, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
        wl_surface_commit(m_surface); // the compositor answers with the size
        m_size = {};
        m_waitingForFrame = true;
    } else {
        present();
    }
    wl_display_flush(m_display);
}

void LayerOverlay::configure(quint32 serial, QSize size) {
    zwlr_layer_surface_v1_ack_configure(m_layer, serial);
    m_size = size;
    present();
    wl_display_flush(m_display);
}

void LayerOverlay::present() {
    if (!m_layer || m_size.isEmpty())
        return;
    wl_buffer *buffer = sharedBuffer(m_shm, m_picture, m_size);
    if (!buffer)
        return QLOG_ERROR("No shared memory for the native overlay's picture");
    wl_surface_attach(m_surface, buffer, 0, 0);
    wl_surface_damage_buffer(m_surface, 0, 0, m_size.width(), m_size.height());
    if (m_waitingForFrame) {
        m_waitingForFrame = false;
        m_firstFrame = wl_surface_frame(m_surface);
        static const wl_callback_listener shown = {[](void *data, wl_callback *, quint32) {
            auto *self = static_cast<LayerOverlay *>(data);
            wl_callback_destroy(std::exchange(self->m_firstFrame, nullptr));
            Q_EMIT self->presented();
        }};
        wl_callback_add_listener(m_firstFrame, &shown, this);
    }
    wl_surface_commit(m_surface);
}

void LayerOverlay::hide() {
    if (m_firstFrame)
        wl_callback_destroy(std::exchange(m_firstFrame, nullptr));
    if (m_layer)
        zwlr_layer_surface_v1_destroy(m_layer);
    if (m_surface)
        wl_surface_destroy(m_surface);
    m_layer = nullptr;
    m_surface = nullptr;
    if (m_display)
        wl_display_flush(m_display);
}

#include "platform/wayland/LayerOverlay.h"

#include "platform/DiagnosticLog.h"
#include "platform/wayland/SeatInput.h"

#include "tablet-unstable-v2-client.h"
#include "wlr-layer-shell-unstable-v1-client.h"

#include <QPainter>
#include <QSocketNotifier>

#include <cmath>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

// The popup interface the protocol names for a request Quillory never makes; xdg-shell's own
// is not linked.
extern "C" const wl_interface xdg_popup_interface = {"xdg_popup", 1, 0, nullptr, 0, nullptr};

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
    if (overlay->m_input) {
        overlay->m_input->setCursorSource(overlay->m_compositor, overlay->m_shm);
        overlay->m_input->setCursorShape(overlay->m_cursor);
        if (overlay->m_tablets)
            overlay->m_input->setTablets(std::exchange(overlay->m_tablets, nullptr));
        wl_display_roundtrip(overlay->m_display); // the keyboard's key map
    }
    overlay->m_events = new QSocketNotifier(wl_display_get_fd(overlay->m_display),
                                            QSocketNotifier::Read, overlay.get());
    QObject::connect(overlay->m_events, &QSocketNotifier::activated, overlay.get(),
                     &LayerOverlay::dispatch);
    QLOG(overlay->m_input
             ? "The Wayland compositor offers layer-shell: the overlay shows on a native surface"
             : "The Wayland compositor offers layer-shell but no seat: pointer mode shows a "
               "native overlay");
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
    else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !self->m_input)
        self->m_input = new SeatInput(static_cast<wl_seat *>(bind(&wl_seat_interface, 5)), self);
    else if (std::strcmp(interface, zwp_tablet_manager_v2_interface.name) == 0)
        self->m_tablets =
            static_cast<zwp_tablet_manager_v2 *>(bind(&zwp_tablet_manager_v2_interface, 1));
    else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0)
        self->m_shell = static_cast<zwlr_layer_shell_v1 *>(bind(&zwlr_layer_shell_v1_interface, 1));
}

LayerOverlay::~LayerOverlay() {
    hide();
    delete m_input;
    if (m_tablets) // offered without a seat
        zwp_tablet_manager_v2_destroy(m_tablets);
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
    const bool shown = isShown();
    showPainted([this](QPainter &painter, const QRegion &) { painter.drawImage(0, 0, m_picture); },
                picture.devicePixelRatio(), false);
    if (shown)
        repaint(QRect(QPoint(), m_size));
}

void LayerOverlay::showPainted(Painter paint, qreal ratio, bool withInput) {
    m_paint = std::move(paint);
    m_takingInput = withInput && m_input;
    const int scale = std::max(1, int(std::lround(ratio)));
    if (m_layer) {
        if (scale != m_scale && !m_size.isEmpty()) {
            m_scale = scale;
            allocate();
        }
        takeInput();
        wl_surface_commit(m_surface);
        wl_display_flush(m_display);
        return;
    }
    m_scale = scale;
    m_surface = wl_compositor_create_surface(m_compositor);
    m_layer = zwlr_layer_shell_v1_get_layer_surface(m_shell, m_surface, nullptr,
                                                    ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "quillory");
    static const zwlr_layer_surface_v1_listener listener = {
        [](void *data, zwlr_layer_surface_v1 *, quint32 serial, quint32 width, quint32 height) {
            static_cast<LayerOverlay *>(data)->configure(serial, QSize(int(width), int(height)));
        },
        [](void *data, zwlr_layer_surface_v1 *) { static_cast<LayerOverlay *>(data)->hide(); }};
    zwlr_layer_surface_v1_add_listener(m_layer, &listener, this);
    zwlr_layer_surface_v1_set_anchor(
        m_layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                     ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_exclusive_zone(m_layer, -1);
    takeInput();
    if (m_input) {
        m_input->follow(m_surface, [this](QInputEvent *event) { Q_EMIT input(event); });
    }
    wl_surface_commit(m_surface); // the compositor answers with the size
    m_size = {};
    m_waitingForFirst = true;
    wl_display_flush(m_display);
}

void LayerOverlay::takeInput() {
    // Drawing, the whole surface takes the pointer (no input region is all of it) and the
    // keyboard is the overlay's alone; letting the pointer through, it takes nothing.
    wl_region *nothing = nullptr;
    if (!m_takingInput)
        nothing = wl_compositor_create_region(m_compositor);
    wl_surface_set_input_region(m_surface, nothing);
    if (nothing)
        wl_region_destroy(nothing);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        m_layer, m_takingInput ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                               : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
}

void LayerOverlay::configure(quint32 serial, QSize size) {
    zwlr_layer_surface_v1_ack_configure(m_layer, serial);
    if (size != m_size) {
        m_size = size;
        allocate();
    }
    present();
    wl_display_flush(m_display);
}

void LayerOverlay::allocate() {
    freeBuffers();
    const QSize pixels = m_size * m_scale;
    const int stride = pixels.width() * 4;
    const size_t bufferSize = size_t(stride) * size_t(pixels.height());
    m_poolSize = bufferSize * m_buffers.size();
    const int fd = ::memfd_create("quillory-overlay", MFD_CLOEXEC);
    if (fd < 0 || ::ftruncate(fd, off_t(m_poolSize)) < 0 ||
        (m_memory = ::mmap(nullptr, m_poolSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)) ==
            MAP_FAILED) {
        m_memory = nullptr;
        if (fd >= 0)
            ::close(fd);
        return QLOG_ERROR("No shared memory for the native overlay's picture");
    }
    m_pool = wl_shm_create_pool(m_shm, fd, int(m_poolSize));
    ::close(fd);
    static const wl_buffer_listener released = {[](void *data, wl_buffer *buffer) {
        auto *self = static_cast<LayerOverlay *>(data);
        for (Buffer &each : self->m_buffers) {
            if (each.buffer == buffer)
                each.busy = false;
        }
        self->present(); // what waited for a buffer
    }};
    for (size_t i = 0; i < m_buffers.size(); ++i) {
        Buffer &buffer = m_buffers[i];
        // ARGB8888 is premultiplied ARGB in the machine's byte order, as Qt's format is.
        buffer.buffer = wl_shm_pool_create_buffer(m_pool, int(i * bufferSize), pixels.width(),
                                                  pixels.height(), stride, WL_SHM_FORMAT_ARGB8888);
        wl_buffer_add_listener(buffer.buffer, &released, this);
        buffer.image = QImage(static_cast<uchar *>(m_memory) + i * bufferSize, pixels.width(),
                              pixels.height(), stride, QImage::Format_ARGB32_Premultiplied);
        buffer.image.setDevicePixelRatio(m_scale);
        buffer.stale = QRect(QPoint(), m_size);
    }
    wl_surface_set_buffer_scale(m_surface, m_scale);
    m_damage = QRect(QPoint(), m_size);
}

void LayerOverlay::freeBuffers() {
    for (Buffer &buffer : m_buffers) {
        if (buffer.buffer)
            wl_buffer_destroy(buffer.buffer);
        buffer = {};
    }
    if (m_pool)
        wl_shm_pool_destroy(std::exchange(m_pool, nullptr));
    if (m_memory)
        ::munmap(std::exchange(m_memory, nullptr), m_poolSize);
}

void LayerOverlay::repaint(const QRegion &area) {
    if (!m_layer)
        return;
    m_damage += area & QRect(QPoint(), m_size);
    present();
    wl_display_flush(m_display);
}

void LayerOverlay::present() {
    // One picture a frame of the compositor's, into a buffer it does not hold.
    if (!m_layer || m_size.isEmpty() || m_frame || m_damage.isEmpty() || !m_paint)
        return;
    Buffer *target = nullptr;
    for (Buffer &buffer : m_buffers) {
        if (buffer.buffer && !buffer.busy) {
            target = &buffer;
            break;
        }
    }
    if (!target)
        return; // the next release presents
    // The buffer catches up with what changed since it was last shown, too.
    const QRegion area = m_damage | target->stale;
    {
        QPainter painter(&target->image);
        painter.setClipRegion(area);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(area.boundingRect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_paint(painter, area);
    }
    target->stale = {};
    for (Buffer &buffer : m_buffers) {
        if (&buffer != target)
            buffer.stale += m_damage;
    }
    wl_surface_attach(m_surface, target->buffer, 0, 0);
    for (const QRect &rect : std::exchange(m_damage, {}))
        wl_surface_damage_buffer(m_surface, rect.x() * m_scale, rect.y() * m_scale,
                                 rect.width() * m_scale, rect.height() * m_scale);
    target->busy = true;
    m_frame = wl_surface_frame(m_surface);
    static const wl_callback_listener shown = {[](void *data, wl_callback *, quint32) {
        auto *self = static_cast<LayerOverlay *>(data);
        wl_callback_destroy(std::exchange(self->m_frame, nullptr));
        if (std::exchange(self->m_waitingForFirst, false))
            Q_EMIT self->presented();
        self->present(); // what changed meanwhile
        wl_display_flush(self->m_display);
    }};
    wl_callback_add_listener(m_frame, &shown, this);
    wl_surface_commit(m_surface);
}

void LayerOverlay::hide() {
    if (m_input)
        m_input->follow(nullptr, {});
    if (m_frame)
        wl_callback_destroy(std::exchange(m_frame, nullptr));
    freeBuffers();
    if (m_layer)
        zwlr_layer_surface_v1_destroy(m_layer);
    if (m_surface)
        wl_surface_destroy(m_surface);
    m_layer = nullptr;
    m_surface = nullptr;
    m_size = {};
    m_damage = {};
    if (m_display)
        wl_display_flush(m_display);
}

void LayerOverlay::setCursor(const QCursor &cursor) {
    m_cursor = cursor;
    if (m_input)
        m_input->setCursorShape(cursor);
}

#include "platform/wayland/TabletInput.h"

#include "tablet-unstable-v2-client.h"

#include <QTabletEvent>

#include <algorithm>
#include <wayland-client.h>

namespace {
constexpr auto kCapabilities = QInputDevice::Capability::Position |
                               QInputDevice::Capability::Pressure | QInputDevice::Capability::Hover;
} // namespace

struct TabletInput::Tool {
    Tool(TabletInput *owner, zwp_tablet_tool_v2 *proxy)
        : owner(owner)
        , proxy(proxy) {}
    Tool(const Tool &) = delete;
    Tool &operator=(const Tool &) = delete;
    TabletInput *owner;
    zwp_tablet_tool_v2 *proxy;
    wl_surface *cursor = nullptr;
    bool eraser = false;
    bool over = false;    // in proximity of our surface
    bool leaving = false; // out of proximity at the end of the frame
    bool down = false;    // the tip touches, as of this frame
    bool wasDown = false; // and as of the last one
    bool moved = false;
    QPointF position;
    qreal pressure = 0;

    ~Tool() {
        zwp_tablet_tool_v2_destroy(proxy);
        if (cursor)
            wl_surface_destroy(cursor);
    }
};

TabletInput::TabletInput(zwp_tablet_manager_v2 *manager, wl_seat *seat, Modifiers modifiers,
                         Cursor cursor)
    : m_manager(manager)
    , m_seat(zwp_tablet_manager_v2_get_tablet_seat(manager, seat))
    , m_modifiers(std::move(modifiers))
    , m_cursor(std::move(cursor))
    , m_pen(u"Wayland tablet pen"_qs, 1, QInputDevice::DeviceType::Stylus,
            QPointingDevice::PointerType::Pen, kCapabilities, 1, 3)
    , m_eraser(u"Wayland tablet eraser"_qs, 2, QInputDevice::DeviceType::Stylus,
               QPointingDevice::PointerType::Eraser, kCapabilities, 1, 3) {
    // Tablets and pads are announced too: nothing here needs them.
    static const zwp_tablet_seat_v2_listener listener = {
        [](void *, zwp_tablet_seat_v2 *, zwp_tablet_v2 *tablet) {
            static const zwp_tablet_v2_listener tabletListener = {
                [](void *, zwp_tablet_v2 *, const char *) {},
                [](void *, zwp_tablet_v2 *, quint32, quint32) {},
                [](void *, zwp_tablet_v2 *, const char *) {}, [](void *, zwp_tablet_v2 *) {},
                [](void *, zwp_tablet_v2 *gone) { zwp_tablet_v2_destroy(gone); }};
            zwp_tablet_v2_add_listener(tablet, &tabletListener, nullptr);
        },
        [](void *data, zwp_tablet_seat_v2 *, zwp_tablet_tool_v2 *tool) {
            static_cast<TabletInput *>(data)->added(tool);
        },
        [](void *, zwp_tablet_seat_v2 *, zwp_tablet_pad_v2 *pad) {
            zwp_tablet_pad_v2_destroy(pad);
        }};
    zwp_tablet_seat_v2_add_listener(m_seat, &listener, this);
}

TabletInput::~TabletInput() {
    m_tools.clear();
    zwp_tablet_seat_v2_destroy(m_seat);
    zwp_tablet_manager_v2_destroy(m_manager);
}

void TabletInput::follow(wl_surface *surface, Deliver deliver) {
    m_surface = surface;
    m_deliver = std::move(deliver);
    for (const std::unique_ptr<Tool> &tool : m_tools)
        tool->over = tool->wasDown = false;
}

void TabletInput::added(zwp_tablet_tool_v2 *proxy) {
    m_tools.push_back(std::make_unique<Tool>(this, proxy));
    static const zwp_tablet_tool_v2_listener listener = {
        [](void *data, zwp_tablet_tool_v2 *, quint32 type) {
            static_cast<Tool *>(data)->eraser = type == ZWP_TABLET_TOOL_V2_TYPE_ERASER;
        },
        [](void *, zwp_tablet_tool_v2 *, quint32, quint32) {},
        [](void *, zwp_tablet_tool_v2 *, quint32, quint32) {},
        [](void *, zwp_tablet_tool_v2 *, quint32) {},
        [](void *, zwp_tablet_tool_v2 *) {},
        [](void *data, zwp_tablet_tool_v2 *) {
            auto *tool = static_cast<Tool *>(data);
            tool->owner->removed(*tool);
        },
        [](void *data, zwp_tablet_tool_v2 *, quint32 serial, zwp_tablet_v2 *, wl_surface *surface) {
            auto *tool = static_cast<Tool *>(data);
            tool->owner->proximity(*tool, serial, surface);
        },
        [](void *data, zwp_tablet_tool_v2 *) {
            auto *tool = static_cast<Tool *>(data);
            tool->leaving = true;
            tool->down = false;
        },
        [](void *data, zwp_tablet_tool_v2 *, quint32) { static_cast<Tool *>(data)->down = true; },
        [](void *data, zwp_tablet_tool_v2 *) { static_cast<Tool *>(data)->down = false; },
        [](void *data, zwp_tablet_tool_v2 *, wl_fixed_t x, wl_fixed_t y) {
            auto *tool = static_cast<Tool *>(data);
            tool->position = {wl_fixed_to_double(x), wl_fixed_to_double(y)};
            tool->moved = true;
        },
        [](void *data, zwp_tablet_tool_v2 *, quint32 pressure) {
            static_cast<Tool *>(data)->pressure = std::min(pressure, 65535u) / 65535.0;
        },
        [](void *, zwp_tablet_tool_v2 *, quint32) {},
        [](void *, zwp_tablet_tool_v2 *, wl_fixed_t, wl_fixed_t) {},
        [](void *, zwp_tablet_tool_v2 *, wl_fixed_t) {},
        [](void *, zwp_tablet_tool_v2 *, qint32) {},
        [](void *, zwp_tablet_tool_v2 *, wl_fixed_t, qint32) {},
        [](void *, zwp_tablet_tool_v2 *, quint32, quint32, quint32) {},
        [](void *data, zwp_tablet_tool_v2 *, quint32) {
            auto *tool = static_cast<Tool *>(data);
            tool->owner->frame(*tool);
        }};
    zwp_tablet_tool_v2_add_listener(proxy, &listener, m_tools.back().get());
}

void TabletInput::proximity(Tool &tool, quint32 serial, wl_surface *surface) {
    tool.over = surface && surface == m_surface;
    tool.leaving = false;
    tool.wasDown = tool.down = false;
    if (!tool.over)
        return;
    // The same arrow as the mouse's; the brush dot shows where the tip is.
    QPoint hotspot;
    if (!tool.cursor && m_cursor)
        tool.cursor = m_cursor(hotspot);
    zwp_tablet_tool_v2_set_cursor(tool.proxy, serial, tool.cursor, hotspot.x(), hotspot.y());
}

void TabletInput::frame(Tool &tool) {
    if (tool.over) {
        if (tool.down != tool.wasDown)
            send(tool, tool.down ? QEvent::TabletPress : QEvent::TabletRelease);
        else if (tool.moved)
            send(tool, QEvent::TabletMove);
    }
    tool.wasDown = tool.down;
    tool.moved = false;
    if (std::exchange(tool.leaving, false))
        tool.over = false;
}

void TabletInput::removed(Tool &tool) {
    // A tool unplugged while it touched lets go first.
    tool.down = false;
    frame(tool);
    std::erase_if(m_tools, [&](const std::unique_ptr<Tool> &each) { return each.get() == &tool; });
}

void TabletInput::send(Tool &tool, QEvent::Type type) {
    if (!m_deliver)
        return;
    const Qt::MouseButton button = type == QEvent::TabletMove ? Qt::NoButton : Qt::LeftButton;
    QTabletEvent event(type, tool.eraser ? &m_eraser : &m_pen, tool.position, tool.position,
                       tool.down ? tool.pressure : 0, 0, 0, 0, 0, 0,
                       m_modifiers ? m_modifiers() : Qt::NoModifier, button,
                       tool.down ? Qt::LeftButton : Qt::NoButton);
    m_deliver(&event);
}

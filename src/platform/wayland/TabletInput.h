#pragma once

#include <QEvent>
#include <QPointF>
#include <QPointingDevice>

#include <functional>
#include <memory>
#include <vector>

class QInputEvent;
struct wl_seat;
struct wl_surface;
struct zwp_tablet_manager_v2;
struct zwp_tablet_seat_v2;
struct zwp_tablet_tool_v2;

// The tools of the seat's tablets (a pen, its eraser end) over one surface of ours, as Qt's
// tablet events: where the tip is, how hard it presses, whether it touches, and which end it
// is. They come through the compositor's tablet protocol, a frame of changes at a time.
class TabletInput {
public:
    using Deliver = std::function<void(QInputEvent *)>;
    // What the keyboard holds, and a cursor surface (with its hot spot) for a tool over ours.
    using Modifiers = std::function<Qt::KeyboardModifiers()>;
    using Cursor = std::function<wl_surface *(QPoint &hotspot)>;

    TabletInput(zwp_tablet_manager_v2 *manager, wl_seat *seat, Modifiers modifiers, Cursor cursor);
    ~TabletInput();
    TabletInput(const TabletInput &) = delete;
    TabletInput &operator=(const TabletInput &) = delete;

    void follow(wl_surface *surface, Deliver deliver);

private:
    struct Tool;
    void added(zwp_tablet_tool_v2 *proxy);
    void proximity(Tool &tool, quint32 serial, wl_surface *surface);
    void frame(Tool &tool);
    void removed(Tool &tool);
    void send(Tool &tool, QEvent::Type type);

    zwp_tablet_manager_v2 *m_manager;
    zwp_tablet_seat_v2 *m_seat;
    Modifiers m_modifiers;
    Cursor m_cursor;
    wl_surface *m_surface = nullptr;
    Deliver m_deliver;
    std::vector<std::unique_ptr<Tool>> m_tools;
    QPointingDevice m_pen, m_eraser;
};

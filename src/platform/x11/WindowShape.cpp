#include "platform/x11/WindowShape.h"

#include "platform/x11/X11.h"

#include <xcb/shape.h>

#include <algorithm>

namespace {

xcb_connection_t *shapeConnection(WId window) {
    xcb_connection_t *conn = X11::connection();
    if (!conn || !window)
        return nullptr;
    const xcb_query_extension_reply_t *shape = xcb_get_extension_data(conn, &xcb_shape_id);
    return shape && shape->present ? conn : nullptr;
}

// One request per chunk: a request too long for the server would close the connection. The
// first chunk takes `first`, the others `rest`.
void send(xcb_connection_t *conn, WId window, xcb_shape_kind_t kind, xcb_shape_op_t first,
          xcb_shape_op_t rest, const WindowShape::Rects &rects) {
    constexpr uint32_t headerUnits = 4, unitsPerRect = 2; // in 4-byte units
    const uint32_t maxUnits = std::min<uint32_t>(xcb_get_maximum_request_length(conn), 65535);
    const std::size_t chunk = (maxUnits - headerUnits) / unitsPerRect;
    std::vector<xcb_rectangle_t> buffer;
    std::size_t start = 0;
    do {
        const std::size_t end = std::min(rects.size(), start + chunk);
        buffer.clear();
        for (std::size_t i = start; i < end; ++i) {
            const QRect &r = rects[i];
            buffer.push_back(
                {int16_t(r.x()), int16_t(r.y()), uint16_t(r.width()), uint16_t(r.height())});
        }
        xcb_shape_rectangles(conn, start == 0 ? first : rest, kind, XCB_CLIP_ORDERING_UNSORTED,
                             xcb_window_t(window), 0, 0, uint32_t(buffer.size()), buffer.data());
        start = end;
    } while (start < rects.size());
}

} // namespace

void WindowShape::setWindow(WId window) {
    m_window = window;
    m_restUntil = {};
    m_took = {};
}

void WindowShape::set(const Rects &rects) {
    if (xcb_connection_t *conn = shapeConnection(m_window)) {
        Rects all = rects;
        all.push_back(outOfView);
        send(conn, m_window, XCB_SHAPE_SK_BOUNDING, XCB_SHAPE_SO_SET, XCB_SHAPE_SO_UNION, all);
        sent();
    }
}

void WindowShape::change(const Rects &shown, const Rects &hidden) {
    xcb_connection_t *conn = shapeConnection(m_window);
    if (!conn || (shown.empty() && hidden.empty()))
        return;
    if (!shown.empty())
        send(conn, m_window, XCB_SHAPE_SK_BOUNDING, XCB_SHAPE_SO_UNION, XCB_SHAPE_SO_UNION, shown);
    if (!hidden.empty())
        send(conn, m_window, XCB_SHAPE_SK_BOUNDING, XCB_SHAPE_SO_SUBTRACT, XCB_SHAPE_SO_SUBTRACT,
             hidden);
    sent();
}

void WindowShape::reset() {
    if (xcb_connection_t *conn = shapeConnection(m_window)) {
        xcb_shape_mask(conn, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, xcb_window_t(m_window), 0, 0,
                       XCB_PIXMAP_NONE);
        sent();
    }
}

void WindowShape::sent() {
    // Waits for the server to apply the change, to learn what it costs.
    xcb_connection_t *conn = X11::connection();
    const Clock::time_point start = Clock::now();
    XcbReply<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(conn, xcb_get_input_focus(conn), nullptr));
    const Clock::time_point done = Clock::now();
    std::shift_left(m_took.begin(), m_took.end(), 1);
    m_took.back() = done - start;
    Clock::duration cost = m_took.back();
    for (const Clock::duration took : m_took)
        if (took != Clock::duration{})
            cost = std::min(cost, took);
    m_restUntil = done + restFactor * cost;
}

int WindowShape::restLeft() const {
    const Clock::duration left = m_restUntil - Clock::now();
    return left > Clock::duration{}
               ? int(std::chrono::ceil<std::chrono::milliseconds>(left).count())
               : 0;
}

void WindowShape::setInput(WId window, const Rects &rects) {
    if (xcb_connection_t *conn = shapeConnection(window)) {
        send(conn, window, XCB_SHAPE_SK_INPUT, XCB_SHAPE_SO_SET, XCB_SHAPE_SO_UNION, rects);
        xcb_flush(conn);
    }
}

QRect WindowShape::toDevice(const QRect &rect, qreal ratio) {
    return QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio).toAlignedRect();
}

WindowShape::Rects WindowShape::toDevice(const QRegion &region, qreal ratio) {
    Rects rects;
    for (const QRect &rect : region)
        rects.push_back(toDevice(rect, ratio));
    return rects;
}

#include "platform/x11/PassThroughWindow.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/WindowHints.h"
#include "platform/x11/X11.h"

#include <QTimer>

#include <xcb/shape.h>

#include <algorithm>
#include <cstring>

namespace {

// A visual of 32 bits, whose alpha a compositor honours; 0 where the server has none.
xcb_visualid_t translucentVisual(const xcb_screen_t *screen) {
    for (auto depth = xcb_screen_allowed_depths_iterator(screen); depth.rem;
         xcb_depth_next(&depth)) {
        if (depth.data->depth != 32)
            continue;
        for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem;
             xcb_visualtype_next(&visual)) {
            if (visual.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR)
                return visual.data->visual_id;
        }
    }
    return 0;
}

} // namespace

PassThroughWindow::~PassThroughWindow() {
    hide();
}

bool PassThroughWindow::create(const QRect &area) {
    m_conn = X11::connection();
    const xcb_screen_t *screen =
        m_conn ? xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data : nullptr;
    const xcb_visualid_t visual = screen ? translucentVisual(screen) : 0;
    if (!visual)
        return false;
    m_colormap = xcb_generate_id(m_conn);
    xcb_create_colormap(m_conn, XCB_COLORMAP_ALLOC_NONE, m_colormap, screen->root, visual);
    m_pixmap = xcb_generate_id(m_conn);
    xcb_create_pixmap(m_conn, 32, m_pixmap, screen->root, quint16(area.width()),
                      quint16(area.height()));
    m_gc = xcb_generate_id(m_conn);
    xcb_create_gc(m_conn, m_gc, m_pixmap, 0, nullptr);
    m_window = xcb_generate_id(m_conn);
    // In the order of their mask bits.
    const quint32 values[] = {m_pixmap, 0, 1, m_colormap};
    xcb_create_window(
        m_conn, 32, m_window, screen->root, qint16(area.x()), qint16(area.y()),
        quint16(area.width()), quint16(area.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, visual,
        XCB_CW_BACK_PIXMAP | XCB_CW_BORDER_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_COLORMAP,
        values);
    // No input anywhere: everything goes to the windows below.
    xcb_shape_rectangles(m_conn, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED,
                         m_window, 0, 0, 0, nullptr);
    static constexpr char title[] = "Quillory Pointer Mode";
    for (const xcb_atom_t name : {xcb_atom_t(XCB_ATOM_WM_NAME), X11::atom("_NET_WM_NAME")})
        xcb_change_property(m_conn, XCB_PROP_MODE_REPLACE, m_window, name,
                            name == XCB_ATOM_WM_NAME ? xcb_atom_t(XCB_ATOM_STRING)
                                                     : X11::atom("UTF8_STRING"),
                            8, sizeof title - 1, title);
    WindowHints::neverFocus(m_window);
    WindowHints::joinAllDesktops(m_window);
    return true;
}

void PassThroughWindow::upload(const QImage &picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const bool first = m_shown.isNull(); // every row goes
    if (first)
        m_shown = QImage(image.size(), QImage::Format_ARGB32_Premultiplied);
    const int width = m_shown.width();
    const int rows = std::min(m_shown.height(), image.height());
    const qsizetype bytes = qsizetype(std::min(width, image.width())) * 4;
    // The band of rows that changed.
    int top = 0;
    while (!first && top < rows &&
           std::memcmp(image.constScanLine(top), m_shown.constScanLine(top), size_t(bytes)) == 0)
        ++top;
    int bottom = rows;
    while (!first && bottom > top &&
           std::memcmp(image.constScanLine(bottom - 1), m_shown.constScanLine(bottom - 1),
                       size_t(bytes)) == 0)
        --bottom;
    for (int y = top; y < bottom; ++y)
        std::memcpy(m_shown.scanLine(y), image.constScanLine(y), size_t(bytes));
    // As many rows a request as the server takes (its limit counts words of 4 bytes).
    const int stride = int(m_shown.bytesPerLine());
    const qint64 limit = qint64(xcb_get_maximum_request_length(m_conn)) * 4 - 64;
    const int step = std::max(1, int(std::min<qint64>(limit / stride, 1024)));
    for (int y = top; y < bottom; y += step) {
        const int count = std::min(step, bottom - y);
        xcb_put_image(m_conn, XCB_IMAGE_FORMAT_Z_PIXMAP, m_pixmap, m_gc, quint16(width),
                      quint16(count), 0, qint16(y), 0, 32, quint32(stride * count),
                      m_shown.constScanLine(y));
    }
    if (bottom > top)
        xcb_copy_area(m_conn, m_pixmap, m_window, m_gc, 0, qint16(top), 0, qint16(top),
                      quint16(width), quint16(bottom - top));
    xcb_flush(m_conn);
}

void PassThroughWindow::show(const QImage &picture, const QRect &screen) {
    const qreal ratio = picture.devicePixelRatio();
    const QRect area(screen.topLeft() * ratio, picture.size());
    if (m_window && area.size() != m_shown.size())
        hide(); // made again at the new size
    if (m_window) {
        if (area.topLeft() != m_at) {
            m_at = area.topLeft();
            const quint32 place[] = {quint32(m_at.x()), quint32(m_at.y())};
            xcb_configure_window(m_conn, m_window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y,
                                 place);
        }
        return upload(picture);
    }
    m_at = area.topLeft();
    if (area.isEmpty() || !create(area)) {
        hide();
        return QLOG_ERROR("No translucent X window for pointer mode: the overlay stays");
    }
    // The whole picture into the background before the window maps, so it never shows less.
    upload(picture);
    xcb_map_window(m_conn, m_window);
    XcbReply<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(m_conn, xcb_get_input_focus(m_conn), nullptr));
    QTimer::singleShot(0, this, [this] {
        if (m_window)
            Q_EMIT presented();
    });
}

void PassThroughWindow::hide() {
    if (!m_window)
        return;
    xcb_destroy_window(m_conn, m_window);
    xcb_free_gc(m_conn, m_gc);
    xcb_free_pixmap(m_conn, m_pixmap);
    xcb_free_colormap(m_conn, m_colormap);
    xcb_flush(m_conn);
    m_window = m_pixmap = m_colormap = m_gc = 0;
    m_shown = {};
}

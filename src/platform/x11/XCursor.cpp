#include "platform/x11/XCursor.h"

#include "platform/x11/X11.h"

#include <QImage>
#include <QPixmap>

#include <xcb/render.h>
#include <xcb/xcb_cursor.h>
#include <xcb/xcb_renderutil.h>

namespace {
xcb_cursor_t themed(xcb_connection_t *conn, const char *name) {
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(conn)).data;
    xcb_cursor_context_t *context = nullptr;
    if (xcb_cursor_context_new(conn, const_cast<xcb_screen_t *>(screen), &context) < 0)
        return XCB_CURSOR_NONE;
    const xcb_cursor_t cursor = xcb_cursor_load_cursor(context, name);
    xcb_cursor_context_free(context);
    return cursor;
}

xcb_cursor_t pictured(xcb_connection_t *conn, const QImage &picture, QPoint hotSpot) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const XcbReply<xcb_render_query_pict_formats_reply_t> formats(
        xcb_render_query_pict_formats_reply(conn, xcb_render_query_pict_formats(conn), nullptr));
    const xcb_render_pictforminfo_t *argb =
        formats ? xcb_render_util_find_standard_format(formats.get(), XCB_PICT_STANDARD_ARGB_32)
                : nullptr;
    if (!argb || image.isNull())
        return XCB_CURSOR_NONE;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
    const xcb_pixmap_t pixmap = xcb_generate_id(conn);
    const xcb_gcontext_t gc = xcb_generate_id(conn);
    const xcb_render_picture_t source = xcb_generate_id(conn);
    const xcb_cursor_t cursor = xcb_generate_id(conn);
    const auto width = uint16_t(image.width()), height = uint16_t(image.height());
    xcb_create_pixmap(conn, 32, pixmap, root, width, height);
    xcb_create_gc(conn, gc, pixmap, 0, nullptr);
    // Premultiplied ARGB in the machine's order is what the X server's ARGB32 takes.
    xcb_put_image(conn, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, width, height, 0, 0, 0, 32,
                  uint32_t(image.sizeInBytes()), image.constBits());
    xcb_render_create_picture(conn, source, pixmap, argb->id, 0, nullptr);
    xcb_render_create_cursor(conn, cursor, source, uint16_t(hotSpot.x()), uint16_t(hotSpot.y()));
    xcb_render_free_picture(conn, source);
    xcb_free_gc(conn, gc);
    xcb_free_pixmap(conn, pixmap);
    return cursor;
}
} // namespace

namespace XCursor {
Shape describe(const QCursor &cursor) {
    Shape shape{cursor.shape(), {}, {}};
    if (shape.shape == Qt::BitmapCursor) {
        const QPixmap pixmap = cursor.pixmap();
        shape.picture = pixmap.toImage();
        shape.hotSpot = (QPointF(cursor.hotSpot()) * pixmap.devicePixelRatio()).toPoint();
    }
    return shape;
}

quint32 create(xcb_connection_t *conn, const Shape &shape) {
    switch (shape.shape) {
    case Qt::CrossCursor:
        return themed(conn, "crosshair");
    case Qt::IBeamCursor:
        return themed(conn, "xterm");
    case Qt::BitmapCursor:
        return pictured(conn, shape.picture, shape.hotSpot);
    default:
        return XCB_CURSOR_NONE;
    }
}
} // namespace XCursor

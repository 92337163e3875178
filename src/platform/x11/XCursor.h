#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>

struct xcb_connection_t;

// The X cursors of the overlay's tools, on any connection: the cross and the text cursor from
// the desktop's cursor theme, a cursor of its own from its picture (ARGB, at device pixels).
namespace XCursor {
struct Shape {
    Qt::CursorShape shape = Qt::ArrowCursor;
    QImage picture;
    QPoint hotSpot;
};
// On the GUI thread, which alone may read a cursor's pixmap.
Shape describe(const QCursor &cursor);
// None (0) for a shape it has no cursor for. The caller frees the cursor.
quint32 create(xcb_connection_t *conn, const Shape &shape);
} // namespace XCursor

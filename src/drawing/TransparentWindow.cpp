#include "drawing/TransparentWindow.h"

#include "platform/X11.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <vector>

const QColor TransparentWindow::backgroundColor = QColor::fromRgbF(1, 1, 1, 0.01f);

TransparentWindow::TransparentWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::NoDropShadowWindowHint) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowTitle(QStringLiteral("Quillory"));
    // Pointer moves over parts the window's shape leaves out arrive at the window itself.
    setMouseTracking(true);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
}

void TransparentWindow::setContentView(QWidget *view) {
    m_content = view;
    view->setParent(this);
    view->setGeometry(rect());
}

void TransparentWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    if (m_content)
        m_content->setGeometry(rect());
    applyPassThrough();
}

void TransparentWindow::setPassThrough(const QRegion &globalArea) {
    if (globalArea == m_passThrough)
        return;
    m_passThrough = globalArea;
    applyPassThrough();
}

void TransparentWindow::applyPassThrough() {
    xcb_connection_t *conn = X11::connection();
    if (!conn || !testAttribute(Qt::WA_WState_Created))
        return;
    // The input shape: the whole window but the pass-through areas.
    const QRegion input = QRegion(rect()) - m_passThrough.translated(-geometry().topLeft());
    std::vector<xcb_rectangle_t> rectangles;
    for (const QRect &r : input)
        rectangles.push_back(
            {int16_t(r.x()), int16_t(r.y()), uint16_t(r.width()), uint16_t(r.height())});
    xcb_shape_rectangles(conn, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED,
                         xcb_window_t(winId()), 0, 0, uint32_t(rectangles.size()),
                         rectangles.data());
    xcb_flush(conn);
}

void TransparentWindow::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect &rect : event->region())
        painter.fillRect(rect, backgroundColor);
}

void TransparentWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    joinAllDesktops();
    applyPassThrough();
}

namespace {
// A request to the window manager about `window` (EWMH client message on the root window).
void askWindowManager(xcb_connection_t *conn, xcb_window_t window, xcb_atom_t type, uint32_t first,
                      uint32_t second) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    message.data.data32[0] = first;
    message.data.data32[1] = second;
    message.data.data32[3] = 1; // from a normal application
    xcb_send_event(conn, 0, X11::rootWindow(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
}
} // namespace

void TransparentWindow::joinAllDesktops() {
    xcb_connection_t *conn = X11::connection();
    if (!conn)
        return;
    // Sticky on every virtual desktop, and kept out of task bars and pagers. The property
    // counts for a window manager that starts later; the messages for a running one.
    const auto window = xcb_window_t(winId());
    const uint32_t allDesktops = 0xFFFFFFFF;
    const xcb_atom_t desktop = X11::atom("_NET_WM_DESKTOP");
    xcb_change_property(conn, XCB_PROP_MODE_REPLACE, window, desktop, XCB_ATOM_CARDINAL, 32, 1,
                        &allDesktops);
    askWindowManager(conn, window, desktop, allDesktops, 1);
    const xcb_atom_t state = X11::atom("_NET_WM_STATE");
    constexpr uint32_t add = 1;
    for (const char *name :
         {"_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"})
        askWindowManager(conn, window, state, add, X11::atom(name));
    xcb_flush(conn);
}

#include "drawing/TransparentWindow.h"

#include "platform/X11.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <xcb/xcb.h>

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
}

void TransparentWindow::joinAllDesktops() {
    xcb_connection_t *conn = X11::connection();
    if (!conn)
        return;
    // Sticky on every virtual desktop, and kept out of task bars and pagers.
    const auto window = xcb_window_t(winId());
    const uint32_t allDesktops = 0xFFFFFFFF;
    xcb_change_property(conn, XCB_PROP_MODE_REPLACE, window, X11::atom("_NET_WM_DESKTOP"),
                        XCB_ATOM_CARDINAL, 32, 1, &allDesktops);
    const xcb_atom_t state = X11::atom("_NET_WM_STATE");
    const xcb_atom_t extra[] = {X11::atom("_NET_WM_STATE_STICKY"),
                                X11::atom("_NET_WM_STATE_SKIP_TASKBAR"),
                                X11::atom("_NET_WM_STATE_SKIP_PAGER")};
    // Ask a running window manager too; the property alone only counts before mapping.
    for (const xcb_atom_t atom : extra) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = state;
        message.data.data32[0] = 1; // _NET_WM_STATE_ADD
        message.data.data32[1] = atom;
        message.data.data32[3] = 1;
        xcb_send_event(conn, 0, X11::rootWindow(),
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char *>(&message));
    }
    const xcb_atom_t desktop = X11::atom("_NET_WM_DESKTOP");
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = desktop;
    message.data.data32[0] = allDesktops;
    message.data.data32[1] = 1;
    xcb_send_event(conn, 0, X11::rootWindow(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(conn);
}

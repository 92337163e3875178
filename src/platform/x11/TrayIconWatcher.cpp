#include "platform/x11/TrayIconWatcher.h"

#include <QCoreApplication>
#include <QWidget>

#include <xcb/xcb.h>

TrayIconWatcher::TrayIconWatcher(QObject *parent)
    : QObject(parent) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

TrayIconWatcher::~TrayIconWatcher() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool TrayIconWatcher::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    xcb_window_t window = XCB_WINDOW_NONE;
    switch (event->response_type & 0x7f) {
    case XCB_CONFIGURE_NOTIFY:
        window = reinterpret_cast<const xcb_configure_notify_event_t *>(event)->window;
        break;
    case XCB_REPARENT_NOTIFY:
        window = reinterpret_cast<const xcb_reparent_notify_event_t *>(event)->window;
        break;
    case XCB_MAP_NOTIFY:
        window = reinterpret_cast<const xcb_map_notify_event_t *>(event)->window;
        break;
    default:
        return false;
    }
    // Qt's window for the icon; its class is Qt's own.
    if (const QWidget *widget = QWidget::find(WId(window));
        widget && widget->isWindow() && widget->inherits("QSystemTrayIconSys"))
        QMetaObject::invokeMethod(this, &TrayIconWatcher::placed, Qt::QueuedConnection);
    return false;
}

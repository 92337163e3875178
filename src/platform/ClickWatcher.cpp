#include "platform/ClickWatcher.h"

#include "platform/X11.h"

#include <QCoreApplication>

#include <xcb/xinput.h>

ClickWatcher::ClickWatcher(QObject *parent)
    : QObject(parent) {
    if (xcb_connection_t *conn = X11::connection()) {
        const xcb_query_extension_reply_t *input = xcb_get_extension_data(conn, &xcb_input_id);
        if (input && input->present)
            m_opcode = input->major_opcode;
    }
}

ClickWatcher::~ClickWatcher() {
    stop();
}

void ClickWatcher::select(bool on) {
    xcb_connection_t *conn = X11::connection();
    if (!conn || m_opcode < 0)
        return;
    struct {
        xcb_input_event_mask_t header;
        uint32_t mask;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1},
           on ? uint32_t(XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS) : 0};
    xcb_input_xi_select_events(conn, X11::rootWindow(), 1, &mask.header);
    xcb_flush(conn);
}

void ClickWatcher::start() {
    if (m_watching || m_opcode < 0)
        return;
    m_watching = true;
    QCoreApplication::instance()->installNativeEventFilter(this);
    select(true);
}

void ClickWatcher::stop() {
    if (!m_watching)
        return;
    m_watching = false;
    select(false);
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool ClickWatcher::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_ge_generic_event_t *>(message);
    if ((event->response_type & 0x7f) == XCB_GE_GENERIC && event->extension == m_opcode &&
        event->event_type == XCB_INPUT_RAW_BUTTON_PRESS)
        Q_EMIT pressed();
    return false;
}

#include "platform/x11/RawInputWatcher.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/X11.h"

#include <QCoreApplication>
#include <QList>

#include <utility>

#include <xcb/xinput.h>

namespace {
QList<RawInputWatcher *> &started() {
    static QList<RawInputWatcher *> watchers;
    return watchers;
}
} // namespace

RawInputWatcher::RawInputWatcher(uint32_t events, QObject *parent)
    : QObject(parent)
    , m_events(events) {
    if (xcb_connection_t *conn = X11::connection()) {
        const xcb_query_extension_reply_t *input = xcb_get_extension_data(conn, &xcb_input_id);
        if (input && input->present)
            m_opcode = input->major_opcode;
    }
}

RawInputWatcher::~RawInputWatcher() {
    stop();
}

void RawInputWatcher::selectWatched() {
    xcb_connection_t *conn = X11::connection();
    if (!conn)
        return;
    uint32_t events = 0;
    for (const RawInputWatcher *watcher : std::as_const(started()))
        events |= watcher->m_events;
    struct {
        xcb_input_event_mask_t header;
        uint32_t mask;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, events};
    xcb_input_xi_select_events(conn, X11::rootWindow(), 1, &mask.header);
    xcb_flush(conn);
}

void RawInputWatcher::start() {
    if (m_watching)
        return;
    if (m_opcode < 0) {
        static bool told = false;
        if (!std::exchange(told, true))
            QLOG("No XInput 2 here: pointer moves and clicks over other windows go unseen");
        return;
    }
    m_watching = true;
    started().append(this);
    QCoreApplication::instance()->installNativeEventFilter(this);
    selectWatched();
    watchingChanged(true);
}

void RawInputWatcher::stop() {
    if (!m_watching)
        return;
    m_watching = false;
    started().removeOne(this);
    selectWatched();
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    watchingChanged(false);
}

bool RawInputWatcher::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_ge_generic_event_t *>(message);
    // The selection is shared: only the kinds this watcher asked for are its own.
    if ((event->response_type & 0x7f) == XCB_GE_GENERIC && event->extension == m_opcode &&
        event->event_type < 32 && (m_events & (1u << event->event_type)))
        rawEvent(event->event_type);
    return false;
}

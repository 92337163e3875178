#include "platform/x11/PointerStream.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/PointerDevices.h"
#include "platform/x11/WindowShape.h"
#include "platform/x11/X11.h"
#include "platform/x11/XCursor.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

#include <xcb/shape.h>
#include <xcb/xinput.h>

namespace {
// The input window reaches this far right and down from the window's corner; the X server
// clips it to the window, whatever size that takes.
constexpr uint16_t kReach = 32767;
} // namespace

// Lives on the stream's thread, with an X connection of its own.
class PointerReader : public QObject {
public:
    using Sample = PointerStream::Sample;
    using Deliver = std::function<void(QList<Sample>)>;
    using Tip = std::function<void(const PointerDevices::Tip &)>;

    PointerReader(Deliver deliver, Tip tip)
        : m_deliver(std::move(deliver))
        , m_tip(std::move(tip)) {}
    ~PointerReader() override { close(); }

    bool open(xcb_window_t parent) {
        close();
        m_conn = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_conn))
            return fail("no X connection of its own");
        const xcb_query_extension_reply_t *input = xcb_get_extension_data(m_conn, &xcb_input_id);
        const xcb_query_extension_reply_t *shape = xcb_get_extension_data(m_conn, &xcb_shape_id);
        if (!input || !input->present || !shape || !shape->present)
            return fail("no XInput 2 or no shape extension");
        m_opcode = input->major_opcode;
        // XInput 2 answers only clients that said which version they speak; from 2.1 on, raw
        // events come also while another client grabs the pointer.
        const XcbReply<xcb_input_xi_query_version_reply_t> version(xcb_input_xi_query_version_reply(
            m_conn, xcb_input_xi_query_version(m_conn, 2, 1), nullptr));
        if (!version || version->major_version < 2)
            return fail("no XInput 2");
        m_devices.learn(m_conn);

        m_parent = parent;
        m_input = xcb_generate_id(m_conn);
        const xcb_void_cookie_t created = xcb_create_window_checked(
            m_conn, 0, m_input, parent, 0, 0, kReach, kReach, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
            XCB_COPY_FROM_PARENT, 0, nullptr);
        // All devices, not only the master pointer: the events a physical device sends of its
        // own would otherwise go on to the window below, and wake Qt's reader after all.
        struct {
            xcb_input_event_mask_t header;
            uint32_t mask;
        } mask{{XCB_INPUT_DEVICE_ALL, 1},
               XCB_INPUT_XI_EVENT_MASK_BUTTON_PRESS | XCB_INPUT_XI_EVENT_MASK_BUTTON_RELEASE |
                   XCB_INPUT_XI_EVENT_MASK_MOTION | XCB_INPUT_XI_EVENT_MASK_HIERARCHY |
                   XCB_INPUT_XI_EVENT_MASK_DEVICE_CHANGED};
        const xcb_void_cookie_t selected =
            xcb_input_xi_select_events_checked(m_conn, m_input, 1, &mask.header);
        applyPassThrough();
        xcb_map_window(m_conn, m_input);
        for (const xcb_void_cookie_t cookie : {created, selected}) {
            if (const XcbReply<xcb_generic_error_t> error{xcb_request_check(m_conn, cookie)})
                return fail(QStringLiteral("the X server refused the input window (error %1)")
                                .arg(error->error_code));
        }
        m_notifier =
            new QSocketNotifier(xcb_get_file_descriptor(m_conn), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &PointerReader::read);
        m_due = new QTimer(this);
        m_due->setSingleShot(true);
        m_due->setTimerType(Qt::PreciseTimer);
        connect(m_due, &QTimer::timeout, this, &PointerReader::deliver);
        setTrackingTip(m_trackingTip);
        setCursor(m_cursor);
        read(); // what arrived while the replies above were awaited
        QLOG("Pointer read on a connection of its own");
        return true;
    }

    void setTrackingTip(bool on) {
        m_trackingTip = on;
        if (!m_conn)
            return;
        struct {
            xcb_input_event_mask_t header;
            uint32_t mask;
        } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1},
               on ? uint32_t(XCB_INPUT_XI_EVENT_MASK_RAW_MOTION |
                             XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS |
                             XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_RELEASE)
                  : 0u};
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data->root;
        xcb_input_xi_select_events(m_conn, root, 1, &mask.header);
        xcb_flush(m_conn);
    }

    void close() {
        // Not at once: close() may run inside the notifier's own signal.
        if (QSocketNotifier *notifier = std::exchange(m_notifier, nullptr)) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
        delete std::exchange(m_due, nullptr);
        if (m_conn) {
            if (m_input && !xcb_connection_has_error(m_conn))
                xcb_destroy_window(m_conn, m_input);
            xcb_disconnect(std::exchange(m_conn, nullptr));
        }
        m_input = 0;
        m_batch.clear();
    }

    void setPassThrough(const WindowShape::Rects &rects) {
        m_passThrough = rects;
        if (m_conn)
            applyPassThrough();
    }

    void setFrameInterval(int milliseconds) { m_interval = milliseconds; }

    // The input window's pointer shape; none: the parent's.
    void setCursor(const XCursor::Shape &cursor) {
        m_cursor = cursor;
        if (!m_conn || !m_input)
            return;
        const xcb_cursor_t shown = XCursor::create(m_conn, cursor);
        xcb_change_window_attributes(m_conn, m_input, XCB_CW_CURSOR, &shown);
        if (shown != XCB_CURSOR_NONE)
            xcb_free_cursor(m_conn, shown); // the window keeps it while it needs it
        xcb_flush(m_conn);
    }

private:
    bool fail(const QString &why) {
        QLOG("Pointer read through Qt:", why);
        close();
        return false;
    }

    void applyPassThrough() {
        QRegion region(0, 0, kReach, kReach);
        for (const QRect &rect : m_passThrough)
            region -= rect;
        QList<xcb_rectangle_t> rects;
        for (const QRect &rect : region)
            rects.append({int16_t(rect.x()), int16_t(rect.y()), uint16_t(rect.width()),
                          uint16_t(rect.height())});
        xcb_shape_rectangles(m_conn, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                             XCB_CLIP_ORDERING_YX_BANDED, m_input, 0, 0, uint32_t(rects.size()),
                             rects.constData());
        xcb_flush(m_conn);
    }

    void read() {
        while (const XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(m_conn)}) {
            if ((event->response_type & 0x7f) == XCB_GE_GENERIC)
                take(event.get());
        }
        if (xcb_connection_has_error(m_conn)) {
            QLOG_ERROR("The pointer's X connection broke; the pointer goes through Qt");
            close();
        }
    }

    void take(const xcb_generic_event_t *generic) {
        const auto *header = reinterpret_cast<const xcb_ge_generic_event_t *>(generic);
        if (header->extension != m_opcode)
            return;
        switch (header->event_type) {
        case XCB_INPUT_HIERARCHY: // a device came, went or was attached elsewhere
            m_devices.learn(m_conn);
            return;
        case XCB_INPUT_DEVICE_CHANGED: // not when a master pointer only changed its source
            if (reinterpret_cast<const xcb_input_device_changed_event_t *>(generic)->reason ==
                XCB_INPUT_CHANGE_REASON_DEVICE_CHANGE)
                m_devices.learn(m_conn);
            return;
        case XCB_INPUT_RAW_MOTION:
        case XCB_INPUT_RAW_BUTTON_PRESS:
        case XCB_INPUT_RAW_BUTTON_RELEASE: {
            const auto *raw = reinterpret_cast<const xcb_input_raw_button_press_event_t *>(generic);
            if (!m_devices.contains(raw->sourceid))
                m_devices.learn(m_conn);
            m_tip(m_devices.tip(raw));
            return;
        }
        default:
            break;
        }
        // Press, release and motion events share one layout.
        const auto *event = reinterpret_cast<const xcb_input_button_press_event_t *>(generic);
        if (!m_devices.contains(event->deviceid) || !m_devices.contains(event->sourceid))
            m_devices.learn(m_conn); // one plugged in since
        const std::optional<Sample> sample = m_devices.sample(event);
        if (!sample)
            return;
        m_batch.append(*sample);
        if (sample->kind == PointerStream::Kind::Move && m_sinceBatch.isValid() &&
            m_sinceBatch.elapsed() < m_interval) {
            if (!m_due->isActive())
                m_due->start(int(m_interval - m_sinceBatch.elapsed()));
            return;
        }
        if (sample->kind == PointerStream::Kind::Press) {
            // A click gives the window the keyboard, with the click's own time, as Qt does for
            // the clicks it gets.
            xcb_set_input_focus(m_conn, XCB_INPUT_FOCUS_PARENT, m_parent, event->time);
            xcb_flush(m_conn);
        }
        deliver();
    }

    void deliver() {
        if (m_due)
            m_due->stop();
        if (m_batch.isEmpty())
            return;
        m_sinceBatch.start();
        m_deliver(std::exchange(m_batch, {}));
    }

    Deliver m_deliver;
    Tip m_tip;
    bool m_trackingTip = false;
    xcb_connection_t *m_conn = nullptr;
    xcb_window_t m_parent = 0, m_input = 0;
    uint8_t m_opcode = 0;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_due = nullptr;
    XCursor::Shape m_cursor; // the arrow: the parent's
    QElapsedTimer m_sinceBatch;
    int m_interval = 16;
    WindowShape::Rects m_passThrough;
    QList<Sample> m_batch;
    PointerDevices m_devices;
};

PointerStream::PointerStream(QObject *parent)
    : QObject(parent) {
    m_thread.setObjectName(QStringLiteral("PointerStream"));
}

PointerStream::~PointerStream() {
    if (!m_reader)
        return;
    // The reader closes its connection on its own thread, and nothing is delivered after.
    QMetaObject::invokeMethod(
        m_reader, [reader = m_reader] { delete reader; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void PointerStream::attach(QWidget *window) {
    if (m_reader || !window || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    m_window = window;
    m_reader = new PointerReader(
        [this](QList<Sample> batch) {
            QMetaObject::invokeMethod(
                this, [this, batch = std::move(batch)] { Q_EMIT samplesRead(batch); },
                Qt::QueuedConnection);
        },
        [this](const PointerDevices::Tip &tip) {
            m_tipPressure.store(tip.pressure.value_or(-1.0), std::memory_order_relaxed);
            m_tipEraser.store(tip.eraser, std::memory_order_relaxed);
        });
    m_reader->setFrameInterval(m_frameInterval);
    m_reader->setCursor(m_cursor);
    m_reader->moveToThread(&m_thread);
    m_thread.start();
    window->installEventFilter(this);
    if (window->internalWinId())
        open();
}

bool PointerStream::eventFilter(QObject *watched, QEvent *event) {
    // Qt made the window's X window anew: the input window went with the old one.
    if (watched == m_window && event->type() == QEvent::WinIdChange && m_window->internalWinId())
        open();
    return false;
}

void PointerStream::open() {
    sendPassThrough();
    const auto parent = xcb_window_t(m_window->internalWinId());
    QMetaObject::invokeMethod(m_reader, [reader = m_reader, parent] { reader->open(parent); });
}

void PointerStream::setPassThrough(const QRegion &region) {
    m_passThrough = region;
    sendPassThrough();
}

void PointerStream::sendPassThrough() {
    if (!m_reader || !m_window)
        return;
    const WindowShape::Rects rects =
        WindowShape::toDevice(m_passThrough, m_window->devicePixelRatioF());
    QMetaObject::invokeMethod(m_reader,
                              [reader = m_reader, rects] { reader->setPassThrough(rects); });
}

void PointerStream::setCursor(const QCursor &cursor) {
    const XCursor::Shape shape = XCursor::describe(cursor);
    m_cursor = shape;
    if (m_reader)
        QMetaObject::invokeMethod(m_reader,
                                  [reader = m_reader, shape] { reader->setCursor(shape); });
}

void PointerStream::setTrackingTip(bool on) {
    if (!on) {
        m_tipPressure = -1;
        m_tipEraser = false;
    }
    if (m_reader)
        QMetaObject::invokeMethod(m_reader,
                                  [reader = m_reader, on] { reader->setTrackingTip(on); });
}

PointerStream::Tip PointerStream::lastTip() const {
    const double pressure = m_tipPressure.load(std::memory_order_relaxed);
    return {pressure < 0 ? std::nullopt : std::optional<qreal>(pressure),
            m_tipEraser.load(std::memory_order_relaxed)};
}

void PointerStream::setFrameInterval(int milliseconds) {
    m_frameInterval = milliseconds;
    if (m_reader)
        QMetaObject::invokeMethod(m_reader, [reader = m_reader, milliseconds] {
            reader->setFrameInterval(milliseconds);
        });
}

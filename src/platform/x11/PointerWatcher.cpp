#include "platform/x11/PointerWatcher.h"

#include <QCursor>

#include <utility>

#include <xcb/xinput.h>

PointerWatcher::PointerWatcher(QObject *parent)
    : RawInputWatcher(XCB_INPUT_XI_EVENT_MASK_RAW_MOTION |
                          XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS |
                          XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_RELEASE,
                      parent) {
    m_nextFrame.setSingleShot(true);
    m_nextFrame.setTimerType(Qt::PreciseTimer);
    connect(&m_nextFrame, &QTimer::timeout, this, &PointerWatcher::readPosition);
    m_warps.setInterval(200);
    connect(&m_warps, &QTimer::timeout, this, [this] {
        m_readPending = true;
        readPosition();
    });
}

void PointerWatcher::watchingChanged(bool watching) {
    if (watching) {
        m_warps.start();
    } else {
        m_warps.stop();
        m_nextFrame.stop();
    }
}

void PointerWatcher::rawEvent(uint16_t type) {
    switch (type) {
    case XCB_INPUT_RAW_MOTION: {
        // A raw event carries the device's motion, not the pointer's position: ask for that
        // once the events at hand are through, and at most once a display frame (a mouse
        // reports up to 1000 times a second): the first move after a rest at once, the
        // moves that follow at the next frame.
        if (std::exchange(m_readPending, true))
            break;
        const qint64 since = m_sinceRead.isValid() ? m_sinceRead.elapsed() : framePeriodMs;
        if (since >= framePeriodMs)
            QMetaObject::invokeMethod(this, &PointerWatcher::readPosition, Qt::QueuedConnection);
        else
            m_nextFrame.start(static_cast<int>(framePeriodMs - since));
        break;
    }
    case XCB_INPUT_RAW_BUTTON_PRESS:
        readPosition(); // a move before the press is reported before it
        Q_EMIT pressed();
        break;
    case XCB_INPUT_RAW_BUTTON_RELEASE:
        readPosition();
        Q_EMIT released();
        break;
    default:
        break;
    }
}

void PointerWatcher::readPosition() {
    if (!std::exchange(m_readPending, false) || !isWatching())
        return;
    m_sinceRead.start();
    const QPoint position = QCursor::pos();
    if (position == m_last)
        return;
    m_last = position;
    Q_EMIT moved(position);
}

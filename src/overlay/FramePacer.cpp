#include "overlay/FramePacer.h"

FramePacer::FramePacer(std::function<int()> interval, QObject *parent)
    : QObject(parent)
    , m_interval(std::move(interval)) {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &FramePacer::due);
}

void FramePacer::request() {
    if (m_held) {
        m_waits = true;
        return;
    }
    const int interval = m_interval();
    const qint64 since = m_last.isValid() ? m_last.elapsed() : interval;
    // A millisecond's grace: events paced at a frame arrive a hair early as often as late.
    if (since + 1 >= interval)
        return due();
    if (!m_timer.isActive())
        m_timer.start(int(interval - since) + interval / 2);
}

void FramePacer::hold(bool held) {
    m_held = held;
    if (!held && std::exchange(m_waits, false))
        request();
}

void FramePacer::retryIn(int ms) {
    if (!m_timer.isActive())
        m_timer.start(ms);
}

void FramePacer::due() {
    m_timer.stop();
    Q_EMIT frameDue();
}

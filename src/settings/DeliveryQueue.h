#pragma once

#include <QAbstractEventDispatcher>
#include <QPointer>
#include <QThread>

#include <functional>

// The "queue" of an observer: the thread whose event loop it was subscribed on, named by
// that thread's event dispatcher (a QObject living in the thread). A thread without an
// event dispatcher (a plain std::thread, or before QCoreApplication exists) has none.
class DeliveryQueue {
public:
    static DeliveryQueue current() {
        DeliveryQueue queue;
        queue.m_dispatcher = QThread::currentThread()->eventDispatcher();
        queue.m_valid = !queue.m_dispatcher.isNull();
        return queue;
    }

    bool isNone() const { return !m_valid; }
    bool sameAs(const DeliveryQueue &other) const {
        if (isNone() || other.isNone())
            return isNone() && other.isNone();
        return m_dispatcher == other.m_dispatcher;
    }

    // Runs work asynchronously on this queue's thread, after the events already posted there.
    // Work for a thread that has ended is dropped.
    void async(std::function<void()> work) const {
        if (QAbstractEventDispatcher *target = m_dispatcher.data())
            QMetaObject::invokeMethod(target, std::move(work), Qt::QueuedConnection);
    }

    // The queue rule: on the same queue (or both none) a delivery calls at once, otherwise it
    // is posted to this queue. A subscription without a queue is called at once wherever the
    // delivery runs.
    bool isCurrentOrNone() const { return isNone() || sameAs(current()); }
    void deliver(std::function<void()> work) const {
        if (isCurrentOrNone())
            work();
        else
            async(std::move(work));
    }

private:
    QPointer<QAbstractEventDispatcher> m_dispatcher;
    bool m_valid = false;
};

#include "settings/Delegate.h"
#include "settings/Handler.h"
#include "settings/Watchable.h"
#include "settings/Weakly.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <memory>
#include <thread>

namespace {

class Observer : public QObject {
public:
    QList<int> seen;
    void record(int value) { seen.push_back(value); }
    int twice(int value) { return value * 2; }
};

struct Model {
    int twice(int value) { return value * 2; }
};

} // namespace

class TestObservable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deliversAtOnceInSubscriptionOrder() {
        Watchable<int> value(5);
        Observer first, second;
        QStringList calls;
        value.watch(&first, [&](const int &v) { calls << QStringLiteral("first %1").arg(v); });
        value.watch(&second, [&](const int &v) { calls << QStringLiteral("second %1").arg(v); });
        value.setValue(7);
        value.setValue(7); // equal values are delivered too
        QCOMPARE(calls, (QStringList{"first 5", "second 5", "first 7", "second 7", "first 7",
                                     "second 7"}));
    }

    void dropsDestroyedAndMissingObservers() {
        Handler<int> channel;
        int calls = 0;
        auto observer = std::make_unique<Observer>();
        auto model = std::make_shared<Model>();
        channel.watch(observer.get(), [&](const int &) { ++calls; });
        channel.watch(model, [&](const int &) { ++calls; });
        channel.watch(ObserverKey(), [&](const int &) { ++calls; });
        QCOMPARE(channel.watcherCount(), std::size_t(2));
        observer.reset();
        model.reset();
        channel.notify(1);
        QCOMPARE(calls, 0);
        QCOMPARE(channel.watcherCount(), std::size_t(0)); // pruned for good

        // Without an observer a watchable still hands over its current value, once.
        Watchable<int> value(3);
        QList<int> seen;
        value.watch(ObserverKey(), [&](const int &v) { seen.push_back(v); });
        value.setValue(4);
        QCOMPARE(seen, QList<int>{3});
    }

    void deliveryFromAnotherThreadArrivesLaterOnTheSubscribersThread() {
        Handler<int> channel;
        Observer observer;
        auto gone = std::make_unique<Observer>();
        QList<int> seen, expected;
        int goneCalls = 0;
        channel.watch(gone.get(), [&](const int &) { ++goneCalls; });
        channel.watch(&observer, [&](const int &v) {
            QCOMPARE(QThread::currentThread(), QCoreApplication::instance()->thread());
            seen << v;
        });
        std::thread([&] {
            for (int i = 0; i < 100; ++i)
                channel.notify(i);
        }).join();
        QVERIFY(seen.empty()); // not delivered on the worker
        gone.reset();          // its posted calls are on the way already
        for (int i = 0; i < 100; ++i)
            expected << i;
        QTRY_COMPARE(seen, expected);
        QCOMPARE(goneCalls, 0);
    }

    void subscriptionFromAWorkerQThreadIsDeliveredThere() {
        Handler<int> channel;
        QThread thread;
        thread.start();
        auto *observer = new Observer;
        observer->moveToThread(&thread);
        QSemaphore subscribed, delivered;
        QThread *deliveredOn = nullptr;
        QMetaObject::invokeMethod(observer, [&] {
            channel.watch(observer, [&](const int &) {
                deliveredOn = QThread::currentThread();
                delivered.release();
            });
            subscribed.release();
        });
        subscribed.acquire();
        channel.notify(1); // from the main thread
        QVERIFY(delivered.tryAcquire(1, 5000));
        QCOMPARE(deliveredOn, &thread);
        // Blocking: the deletion must run on the worker before its event loop ends.
        QMetaObject::invokeMethod(
            observer, [observer] { delete observer; }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
    }

    void nestedSubscribeAndDeliverDoNotDeadlock() {
        Handler<int> channel;
        Observer outer, inner;
        QStringList calls;
        channel.watch(&outer, [&](const int &v) {
            calls << QStringLiteral("outer %1").arg(v);
            if (v == 1) {
                // Subscribing from inside a delivery: not called in this pass.
                channel.watch(&inner,
                              [&](const int &w) { calls << QStringLiteral("inner %1").arg(w); });
                channel.notify(2); // a nested delivery runs its own pass at once
            }
        });
        channel.notify(1);
        QCOMPARE(calls, (QStringList{"outer 1", "outer 2", "inner 2"}));
    }

    void weaklyBoundHandlers() {
        auto observer = std::make_unique<Observer>();
        auto record = weakly(observer.get(), &Observer::record);
        auto twice = weakly(observer.get(), &Observer::twice);
        record(4);
        QCOMPARE(observer->seen, QList<int>{4});
        QCOMPARE(twice(4), 8);
        observer.reset();
        record(5); // does nothing
        QVERIFY_THROWS_EXCEPTION(WatcherError, twice(5));

        auto model = std::make_shared<Model>();
        auto modelTwice = weakly(model, &Model::twice);
        QCOMPARE(modelTwice(2), 4);
        model.reset();
        QVERIFY_THROWS_EXCEPTION(WatcherError, modelTwice(1));
    }

    void delegateAnswersItsDefault() {
        Delegate<int, bool> delegate(false);
        delegate.action = [](int v) -> std::optional<bool> {
            return v > 0 ? std::optional(true) : std::nullopt;
        };
        QCOMPARE(delegate.call(1), true);
        QCOMPARE(delegate.call(-1), false); // no answer: the default
        delegate.action = nullptr;
        QCOMPARE(delegate.call(1), false);
    }
};

QTEST_GUILESS_MAIN(TestObservable)
#include "tst_observable.moc"

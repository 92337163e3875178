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
    QList<int> seen;
    void record(int value) { seen.push_back(value); }
    int twice(int value) { return value * 2; }
};

} // namespace

class TestObservable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deliversAtOnceOnTheSameThread() {
        Watchable<int> value(5);
        Observer observer;
        value.watch(&observer, [&](const int &v) { observer.record(v); });
        QCOMPARE(observer.seen, QList<int>{5}); // the current value, at once
        value.setValue(5);                      // equal values are delivered too
        value.setValue(7);
        QCOMPARE(observer.seen, (QList<int>{5, 5, 7}));
    }

    void deliversInSubscriptionOrder() {
        Handler<int> channel;
        Observer first, second;
        QStringList calls;
        channel.watch(&first, [&](const int &v) { calls << QStringLiteral("first %1").arg(v); });
        channel.watch(&second, [&](const int &v) { calls << QStringLiteral("second %1").arg(v); });
        channel.notify(1);
        channel.notify(2);
        QCOMPARE(calls, (QStringList{QStringLiteral("first 1"), QStringLiteral("second 1"),
                                     QStringLiteral("first 2"), QStringLiteral("second 2")}));
    }

    void dropsDestroyedObservers() {
        Handler<int> channel;
        int calls = 0;
        auto observer = std::make_unique<Observer>();
        auto model = std::make_shared<Model>();
        channel.watch(observer.get(), [&](const int &) { ++calls; });
        channel.watch(model, [&](const int &) { ++calls; });
        QCOMPARE(channel.watcherCount(), std::size_t(2));
        observer.reset();
        model.reset();
        channel.notify(1);
        QCOMPARE(calls, 0);
        QCOMPARE(channel.watcherCount(), std::size_t(0)); // pruned for good
    }

    void watchWithoutObserver() {
        Watchable<int> value(3);
        QList<int> seen;
        value.watch(ObserverKey(), [&](const int &v) { seen.push_back(v); });
        value.setValue(4);
        QCOMPARE(seen, QList<int>{3}); // once, never again
        QCOMPARE(value.watcherCount(), std::size_t(0));

        Handler<int> channel;
        channel.watch(ObserverKey(), [&](const int &v) { seen.push_back(v); });
        channel.notify(9);
        QCOMPARE(seen, QList<int>{3});
    }

    void nothingChannel() {
        Handler<Nothing> channel;
        Observer observer;
        int calls = 0;
        channel.watch(&observer, [&] { ++calls; });
        channel.notify();
        channel.notify();
        QCOMPARE(calls, 2);
    }

    void backgroundDeliveryArrivesLaterOnTheMainThreadInOrder() {
        Handler<int> channel;
        Observer observer;
        QList<int> seen;
        std::vector<QThread *> threads;
        channel.watch(&observer, [&](const int &v) {
            seen.push_back(v);
            threads.push_back(QThread::currentThread());
        });
        std::thread worker([&] {
            for (int i = 0; i < 100; ++i)
                channel.notify(i);
        });
        worker.join();
        QVERIFY(seen.empty()); // not delivered synchronously on the worker
        QTRY_COMPARE(seen.size(), std::size_t(100));
        for (int i = 0; i < 100; ++i)
            QCOMPARE(seen[i], i);
        for (QThread *thread : threads)
            QCOMPARE(thread, QCoreApplication::instance()->thread());
    }

    void observerDestroyedBeforeAQueuedDeliveryRuns() {
        Handler<int> channel;
        auto observer = std::make_unique<Observer>();
        channel.watch(observer.get(), weakly(observer.get(), &Observer::record));
        std::thread worker([&] { channel.notify(1); });
        worker.join();
        observer.reset(); // the posted call must not reach a dead object
        QTest::qWait(20);
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
            calls.push_back(QStringLiteral("outer %1").arg(v));
            if (v == 1) {
                // Subscribing from inside a delivery: not called in this pass.
                channel.watch(&inner, [&](const int &w) {
                    calls.push_back(QStringLiteral("inner %1").arg(w));
                });
                channel.notify(2); // a nested delivery runs its own pass at once
            }
        });
        channel.notify(1);
        QCOMPARE(calls, (QStringList{QStringLiteral("outer 1"), QStringLiteral("outer 2"),
                                     QStringLiteral("inner 2")}));
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
        auto modelRecord = weakly(model, &Model::record);
        QCOMPARE(modelTwice(2), 4);
        model.reset();
        modelRecord(1);
        try {
            modelTwice(1);
            QFAIL("expected WatcherError");
        } catch (const WatcherError &error) {
            QCOMPARE(error.kind(), WatcherError::nilSelf);
        }
    }

    void delegateAnswersItsDefault() {
        Delegate<int, bool> delegate(false);
        QCOMPARE(delegate.call(1), false);
        delegate.action = [](int v) -> std::optional<bool> {
            if (v > 0)
                return true;
            return std::nullopt;
        };
        QCOMPARE(delegate.call(1), true);
        QCOMPARE(delegate.call(-1), false); // no answer: the default
        delegate.action = nullptr;
        QCOMPARE(delegate.call(1), false);
    }
};

QTEST_GUILESS_MAIN(TestObservable)
#include "tst_observable.moc"

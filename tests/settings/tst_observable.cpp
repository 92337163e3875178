#include "settings/Handler.h"
#include "settings/Watchable.h"
#include "settings/Weakly.h"

#include <QTest>
#include <QThread>

#include <thread>

namespace {

struct Observer : QObject {
    QList<int> seen;
    void record(int value) { seen.push_back(value); }
    int twice(int value) { return value * 2; }
};

} // namespace

class TestObservable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deliversAtOnceInOrderToLiveObserversOnly() {
        Watchable<int> value(5);
        auto gone = std::make_unique<QObject>();
        QStringList calls;
        value.watch(this, [&](const int &v) { calls << u"first %1"_qs.arg(v); });
        value.watch(gone.get(), [&](const int &v) { calls << u"gone %1"_qs.arg(v); });
        value.watch(this, [&](const int &v) { calls << u"second %1"_qs.arg(v); });
        // Without an observer nothing is subscribed, but the current value is handed over.
        value.watch(ObserverKey(), [&](const int &v) { calls << u"none %1"_qs.arg(v); });
        gone.reset();
        value.setValue(7);
        value.setValue(7); // equal values are delivered too
        QCOMPARE(calls, (QStringList{"first 5", "gone 5", "second 5", "none 5", "first 7",
                                     "second 7", "first 7", "second 7"}));
        QCOMPARE(value.watcherCount(), std::size_t(2)); // the destroyed ones pruned for good
    }

    // A delivery from another thread is posted to the thread the observer subscribed on.
    void deliveryFromAnotherThreadArrivesLaterOnTheSubscribersThread() {
        Handler<int> channel;
        auto gone = std::make_unique<QObject>();
        QList<int> seen;
        channel.watch(gone.get(), [&](const int &v) { seen << 1000 + v; });
        channel.watch(this, [&](const int &v) {
            QCOMPARE(QThread::currentThread(), thread());
            seen << v;
        });
        std::thread([&] {
            for (int i = 0; i < 100; ++i)
                channel.notify(i);
        }).join();
        QVERIFY(seen.empty()); // not delivered on the notifying thread
        gone.reset();          // its posted calls are on the way already
        QTRY_COMPARE(seen.size(), 100);
        QCOMPARE(seen.last(), 99); // in order, and none for the destroyed observer
    }

    void nestedSubscribeAndDeliverDoNotDeadlock() {
        Handler<int> channel;
        QList<int> calls;
        channel.watch(this, [&](const int &v) {
            calls << v;
            if (v == 1) {
                channel.watch(this, [&](const int &w) { calls << 10 * w; }); // not in this pass
                channel.notify(2); // a nested pass runs at once
            }
        });
        channel.notify(1);
        QCOMPARE(calls, (QList<int>{1, 2, 20}));
    }

    // Once the object is gone, a bound method without a result does nothing; one with a
    // result throws.
    void weaklyBoundHandlers() {
        auto observer = std::make_unique<Observer>();
        auto record = weakly(observer.get(), &Observer::record);
        auto twice = weakly(observer.get(), &Observer::twice);
        record(4);
        QVERIFY(observer->seen == QList<int>{4} && twice(4) == 8);
        observer.reset();
        record(5);
        QVERIFY_THROWS_EXCEPTION(WatcherError, twice(5));
    }
};

QTEST_GUILESS_MAIN(TestObservable)
#include "tst_observable.moc"
